// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_timer.h"

#include <QTimerEvent>
#include <algorithm>

namespace {
constexpr std::int64_t NsPerMs = 1000000;
} // namespace

void TickPacer::Start(std::int64_t nowNs, int intervalMs, int shortestWaitMs) {
    intervalMs_ = std::max(intervalMs, 1);
    shortestWaitMs_ = std::max(shortestWaitMs, 1);
    startNs_ = nowNs;
    ticksRun_ = 0;
}

int TickPacer::TicksDue(std::int64_t nowNs) {
    if (intervalMs_ >= shortestWaitMs_)
        return 1;
    const std::int64_t perWait = WaitMs() / intervalMs_;
    const std::int64_t due = (nowNs - startNs_) / (intervalMs_ * NsPerMs) - ticksRun_;
    // Up to two waits' worth makes up for a late wake-up; more than three is a stall.
    if (due > 3 * perWait) {
        startNs_ = nowNs - WaitMs() * NsPerMs;
        ticksRun_ = 0;
        return static_cast<int>(perWait);
    }
    return static_cast<int>(std::clamp<std::int64_t>(due, 0, 2 * perWait));
}

TGameTimer::TGameTimer(QObject* parent) : QObject(parent) {
    clock_.start();
}

void TGameTimer::setInterval(int milliseconds) {
    // A speed key held down repeats: the pace it asks for is the pace that runs.
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (isActive())
        start();
}

void TGameTimer::start() {
    ++schedule_;
    lastWakeUpNs_ = clock_.nsecsElapsed();
    pacer_.Start(lastWakeUpNs_, interval_, shortestWaitMs_);
    wakeUp_.start(pacer_.WaitMs(), Qt::PreciseTimer, this);
}

void TGameTimer::stop() {
    ++schedule_;
    wakeUp_.stop();
}

bool TGameTimer::wakeUpHeldUp() const {
    constexpr std::int64_t WaitsMissed = 3;
    return isActive() &&
           clock_.nsecsElapsed() - lastWakeUpNs_ > WaitsMissed * pacer_.WaitMs() * NsPerMs;
}

void TGameTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != wakeUp_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    const unsigned schedule = schedule_;
    lastWakeUpNs_ = clock_.nsecsElapsed();
    const int due = pacer_.TicksDue(lastWakeUpNs_);
    // A firing may stop the timer, restart it or change its pace (a message, the event window,
    // a speed key): the firings still due then belong to a schedule that is gone.
    for (int i = 0; i < due && schedule_ == schedule; ++i) {
        const std::int64_t firedNs = clock_.nsecsElapsed();
        pacer_.TickRan();
        emit timeout();
        // A firing that kept the player longer than a wait (the one message shown with the
        // timer running) stood still like any other message: the schedule begins anew.
        if (schedule_ == schedule && clock_.nsecsElapsed() - firedNs > pacer_.WaitMs() * NsPerMs)
            start();
    }
    emit wakeUpEnded();
}
