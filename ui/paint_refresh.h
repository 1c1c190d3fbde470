// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
