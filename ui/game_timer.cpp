// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_timer.h"

#include <QTimerEvent>

TGameTimer::TGameTimer(QObject* parent) : QObject(parent) {
    clock_.start();
}

void TGameTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (isActive())
        start();
}

void TGameTimer::start() {
    ++schedule_;
    pacer_.Start(clock_.nsecsElapsed(), interval_, shortestWaitMs_);
    wakeUp_.start(pacer_.WaitMs(), Qt::PreciseTimer, this);
}

void TGameTimer::stop() {
    ++schedule_;
    wakeUp_.stop();
}

void TGameTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != wakeUp_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    const unsigned schedule = schedule_;
    const int due = pacer_.TicksDue(clock_.nsecsElapsed());
    // A firing may stop the timer, restart it or change its pace (a message, the event window,
    // a speed key): the firings still due then belong to a schedule that is gone.
    for (int i = 0; i < due && schedule_ == schedule; ++i) {
        pacer_.TickRan();
        emit timeout();
    }
    emit wakeUpEnded();
}
