// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"
#include "ui/refreshing_form.h"

class QLabel;
class QPushButton;

// Window "Unterhaltung": a television set and musicians for the leased pub, 4000 € each.
class TForm10 : public TDialogForm {
    Q_OBJECT
public:
    TForm10();

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
    PaintRefresh paintRefresh_{this, [this] { SyncButtons(); }};
};
