// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paint_refresh.h"

#include <QTimer>

void PaintRefresh::Request() {
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, owner_, [this] {
        pending_ = false;
        refresh_();
    });
}
