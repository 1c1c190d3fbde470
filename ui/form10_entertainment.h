// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"
#include "ui/refreshing_form.h"

class GameSession;
enum class Entertainment;
class QLabel;
class QPushButton;

// Window "Unterhaltung": a television set and musicians for the leased pub, 4000 € each.
class TForm10 : public TDialogForm {
    Q_OBJECT
public:
    explicit TForm10(GameSession& session);

    void Button1Click(); // buy the television
    void Button2Click(); // hire the musicians

    QLabel* Image1 = nullptr; // the television
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Image2 = nullptr; // the musicians
    QLabel* Label2 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    // The buttons follow the saved purchasable flags, which a load may have changed.
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SyncButtons();
    void Buy(Entertainment what, QPushButton* button);

    GameSession& session_;
    PaintRefresh paintRefresh_{this, [this] { SyncButtons(); }};
};
