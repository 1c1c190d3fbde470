// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tick_pacer.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

// The main window's game timer: an interval in milliseconds and one on/off switch, firing
// `timeout` once per interval like any repeating timer. An interval shorter than the shortest
// wait (a screen frame) is paced by TickPacer: the program wakes up once per wait and fires the
// firings that came due, one after another. Every wake-up ends with `wakeUpEnded`.
class TGameTimer : public QObject {
    Q_OBJECT
public:
    explicit TGameTimer(QObject* parent = nullptr);

    int interval() const { return interval_; }
    // Takes effect at once; a running timer starts its schedule afresh.
    void setInterval(int milliseconds);
    bool isActive() const { return wakeUp_.isActive(); }
    // Starts the timer, or starts it afresh when it runs.
    void start();
    void stop();
    Qt::TimerType timerType() const { return Qt::PreciseTimer; }
    // Takes effect at the next start.
    void setShortestWait(int milliseconds) { shortestWaitMs_ = milliseconds; }

signals:
    void timeout();
    // The firings of one wake-up have run (a frame may be drawn now).
    void wakeUpEnded();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    int interval_ = 0;
    int shortestWaitMs_ = 1;
    // Counts starts and stops: firings due under one schedule do not run under the next.
    unsigned schedule_ = 0;
    QBasicTimer wakeUp_;
    QElapsedTimer clock_;
    TickPacer pacer_;
};
