// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form11_event.h"
#include "ui/forms.h"

#include <QPushButton>

// The event window's answer a player in a hurry gives: "OK", else "Nein", else "Ja".
inline void AnswerShownEvent() {
    QPushButton* answer = Form11->Button3->isVisibleTo(Form11)   ? Form11->Button3
                          : Form11->Button2->isVisibleTo(Form11) ? Form11->Button2
                                                                 : Form11->Button1;
    answer->click();
}
