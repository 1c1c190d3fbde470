// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_look.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

void GiveOutlineOnBlack(QWidget* control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, QColor(150, 150, 150));
    palette.setColor(QPalette::Base, Qt::black);
    control->setPalette(palette);
}
