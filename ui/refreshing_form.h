// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"

#include <QObject>
#include <functional>

// Several dialogs show the game's state as of their last paint. Changing controls inside a
// paint event is unsafe in Qt (hiding or disabling a control moves the focus, which repaints
// while painting), so a paint only asks for the refresh, which runs right after it. A refresh
// that changes nothing causes no further paint, so this settles after one round.
class PaintRefresh {
public:
    PaintRefresh(QObject* owner, std::function<void()> refresh)
        : owner_(owner), refresh_(std::move(refresh)) {}

    // Called from the paint event.
    void Request();

private:
    QObject* owner_;
    std::function<void()> refresh_;
    bool pending_ = false;
};

// A dialog that shows the game's state as of its last paint: every paint asks for FormPaint,
// which runs right after the paint.
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
