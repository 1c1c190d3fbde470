// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form11_event.h"
#include "ui/forms.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// The event window's answer a player in a hurry gives: "OK", else "Nein", else "Ja".
inline void AnswerShownEvent() {
    QPushButton* answer = Form11->Button3->isVisibleTo(Form11)   ? Form11->Button3
                          : Form11->Button2->isVisibleTo(Form11) ? Form11->Button2
                                                                 : Form11->Button1;
    answer->click();
}

// Answers the event window until it closes, one answer per pass of the event loop (a two-stage
// event needs two).
inline void AnswerEventUntilClosed(QObject* context) {
    if (!Form11->isVisible())
        return;
    AnswerShownEvent();
    QTimer::singleShot(0, context, [context] { AnswerEventUntilClosed(context); });
}

// Presses OK on a message box as soon as it is up.
inline void PressOkSoon(QMessageBox* box) {
    QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
}
