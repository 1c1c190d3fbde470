// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/refreshing_form.h"

void TRefreshingForm::paintEvent(QPaintEvent* event) {
    TDialogForm::paintEvent(event);
    paintRefresh_.Request();
}
