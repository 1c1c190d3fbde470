// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"
#include "ui/paint_refresh.h"

// A dialog that shows the game's state as of its last paint: every paint asks for FormPaint,
// which runs right after the paint (see PaintRefresh for why not inside it).
class TRefreshingForm : public TDialogForm {
    Q_OBJECT
public:
    using TDialogForm::TDialogForm;

    // Rebuilds the window's content from the game state (the paint handler).
    virtual void FormPaint() = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintRefresh paintRefresh_{this, [this] { FormPaint(); }};
};
