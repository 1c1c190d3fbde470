// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/refreshing_form.h"

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

void TRefreshingForm::paintEvent(QPaintEvent* event) {
    TDialogForm::paintEvent(event);
    paintRefresh_.Request();
}
