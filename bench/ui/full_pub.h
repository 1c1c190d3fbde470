// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"
#include "ui/form1_main.h"
#include "ui/form2_lease.h"
#include "ui/form7_settings.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

// Stock that no benchmark run can sell out.
inline constexpr int PlentyOfStock = 1000000000;

inline void PressRewardKey(int key) {
    Form1->FormKeyUp(key, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
}

// "Spiel starten", then "Pachten" the first location the lease dialog shows.
inline void StartAndLeaseAPub() {
    Form1->Button1->click();
    Form1->Button2->click();
    Form2->Button3->click();
}

// The busiest pub a player can have: every article made known by the reward keys and put on its
// card with stock for good and a margin of 1.50, the whole staff employed, money from the reward
// key. One dish stays off its card, so that the goals are never reached.
inline void SetUpAFullPub() {
    StartAndLeaseAPub();
    for (int key : {Qt::Key_F9, Qt::Key_F10, Qt::Key_F11})
        PressRewardKey(key);
    for (int i = 0; i < 10; ++i)
        PressRewardKey(Qt::Key_F12);
    GameState& state = Session->state();
    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            TArticle& article = Article(state, kind, i);
            article.OnCard = true;
            article.SalePrice = article.PurchasePrice + 1.5;
            article.Stock = PlentyOfStock;
        }
    }
    state.Dishes[DishCount].OnCard = false;
    for (TStaffMember& member : state.StaffPool)
        member.Employed = true;
    Form1->vermoegenanzeigen();
}

// "Einstellungen": delivery notices off and the given speed, then the window closed.
inline void ChooseSpeed(int speed) {
    Form1->Button15->click();
    Form7->CheckBox1->setChecked(false);
    Form7->RadioItems[speed]->click();
    Form7->FormClose();
}
