// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/names.h"
#include "ui/refreshing_form.h"

class GameSession;
class QLabel;
class QProgressBar;
class QPushButton;

// Window "Personal": page through the twenty candidates, hire and dismiss.
class TForm3 : public TRefreshingForm {
    Q_OBJECT
public:
    explicit TForm3(GameSession& session);

    // Shows the member at the staff cursor (the paint handler).
    void FormPaint() override;
    void Button1Click(); // "Zurück"
    void Button2Click(); // "Vor"
    void Button3Click(); // "Einstellen"
    void Button4Click(); // "Entlassen"

    QLabel* Label1 = nullptr;     // "Name:"
    QLabel* Label2 = nullptr;     // "Erfahrung:"
    QLabel* Label7 = nullptr;     // "Art:"
    QLabel* Label3 = nullptr;     // "Gehalt:"
    TNameLabel* Label4 = nullptr; // name
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label8 = nullptr; // kind
    QLabel* Label6 = nullptr; // wage
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;

private:
    // Shows the change at once and repaints.
    void Refresh();

    GameSession& session_;
};
