// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/names.h"
#include "ui/refreshing_form.h"

class GameSession;
class QLabel;
class QPushButton;

// Window "Kneipe pachten": pages through the thirty locations of the game and leases one.
class TForm2 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm2(GameSession& session);

    // Shows the location at the cursor and offers "Pachten" while it is not leased.
    void FormPaint() override;
    void Button1Click(); // "Vor"
    void Button2Click(); // "Zurück"
    void Button3Click(); // "Pachten"
    // The close step: a location leased meanwhile becomes the pub of the game.
    void FormClose() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TNameLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, int left,
                           void (TForm2::*handler)());

    GameSession& session_;
};
