// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"
#include "ui/dialog_form.h"

#include <QStringList>

class GameSession;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// What tells the three menu cards apart.
struct CardDescription {
    ArticleKind Kind;
    QString Caption;
    QString CountSuffix;      // " von 50 Getränken bekannt."
    QString ShortfallMessage; // after "Alle auswählen" could not pay everything
    QStringList HelpLines;
    int MoneyLabelTop;
};

// A menu card: the known articles of one kind, ticked when on the card. Ticking buys the
// first stock; "Alle auswählen" ticks and buys every listed article.
class TCardForm : public TDialogForm {
    Q_OBJECT
public:
    // `opener` is the main window's button that opens and fills the card.
    TCardForm(GameSession& session, CardDescription description, const QObject* opener);

    // Rebuilds the list, but only when called with the main window's button of this card;
    // an ordinary repaint leaves the list as the player has clicked it.
    void FormPaint(const QObject* sender);
    void CheckListBox1ClickCheck(QListWidgetItem* item);
    void Button1Click(); // "Alle auswählen"

    QListWidget* CheckListBox1 = nullptr;
    QLabel* Label1 = nullptr; // help text
    QLabel* Label2 = nullptr; // count text
    QLabel* Label3 = nullptr; // money text, following the game's
    QPushButton* Button1 = nullptr;

private:
    void Fill();
    void SetTicked(QListWidgetItem* item, bool ticked);

    GameSession& session_;
    CardDescription description_;
    const QObject* opener_;
    bool filling_ = false;
};

class TForm4 : public TCardForm {
    Q_OBJECT
public:
    TForm4(GameSession& session, const QObject* opener);
};
class TForm5 : public TCardForm {
    Q_OBJECT
public:
    TForm5(GameSession& session, const QObject* opener);
};
class TForm6 : public TCardForm {
    Q_OBJECT
public:
    TForm6(GameSession& session, const QObject* opener);
};
