// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"

class GameSession;
class QLabel;
class QPushButton;

// The event window "Ereigniss": borderless, shows the event the tick picked and takes the
// answer. It only displays the game's event session; picking is the model's part, so a
// repaint can never change the event shown. It closes only through its buttons.
class TForm11 : public TDialogForm {
    Q_OBJECT
public:
    explicit TForm11(GameSession& session);

    // Puts the event session's current view (texts and buttons) on the window; the first
    // answer on offer takes the focus.
    void ShowView();

    void Button1Click(); // "Ja"
    void Button2Click(); // "Nein"
    void Button3Click(); // "OK"
    // Hides the window, switches the game timer on and announces that it closed.
    void FormClose() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    // Neither the window manager nor a key may close the window: every event needs its answer.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* AddRow(const char* name, int top);
    QPushButton* AddButton(const char* name, const QString& caption, int left,
                           void (TForm11::*handler)());
    template <class Answer> void Answered(Answer answer);
    // A tick raised an event: the window shows it and takes the player's attention.
    void ShowRaisedEvent();

    GameSession& session_;
};
