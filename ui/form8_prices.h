// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"
#include "ui/names.h"

#include <string>

class GameSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Window "Preise": the sale price of any article on a card.
class TForm8 : public TDialogForm {
    Q_OBJECT
public:
    // `opener` is the main window's "Preise" button, which opens and fills the window.
    TForm8(GameSession& session, const QObject* opener);

    // Rebuilds the list for the chosen kind, but only when called with the main window's
    // "Preise" button; an ordinary repaint changes nothing.
    void FormPaint(const QObject* sender);
    void ComboBox1Change();
    void ListBox1Click();
    void Button1Click(); // "Preis festlegen"

    QLabel* Label1 = nullptr; // "Art:"
    QComboBox* ComboBox1 = nullptr;
    TNameLabel* Label7 = nullptr; // name of the article being edited
    QLabel* Label2 = nullptr;     // "Ware:"
    QListWidget* ListBox1 = nullptr;
    QLabel* Label3 = nullptr; // "Einkaufspreis:"
    QLabel* Label5 = nullptr; // purchase price
    QLabel* Label4 = nullptr; // "Verkaufspreis:"
    QLineEdit* Edit1 = nullptr;
    QLabel* Label6 = nullptr; // "€"
    QPushButton* Button1 = nullptr;

private:
    void Fill();

    GameSession& session_;
    const QObject* opener_;

    // The name in Label7 as the game stores it: the key to the article being edited (Label7
    // shows it printable and, when too long, shortened).
    std::string editedName_;
};
