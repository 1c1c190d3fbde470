// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>
#include <cstdint>

// Keeps the game timer's firings at their promised pace while waking the program up no more
// often than the screen can show a change. A timer asked for a firing every millisecond would
// wake the program a thousand times a second, and each wake-up costs more processor time than
// the tick it runs, for a screen that shows one picture every 17 ms or so. So an interval
// shorter than the shortest wait (a screen frame) is served by waking up once per wait and
// running the firings that came due meanwhile, counted by the clock: the game minutes pass
// at the same pace. Longer intervals fire once per wake-up, as any timer does.
//
// The pace never bursts: a little lateness (a busy machine) is made up at most two waits'
// worth at a time, but after a longer stall the schedule starts afresh instead of racing to
// catch up.
class TickPacer {
public:
    // The timer was started (again) at `nowNs`: the time before was no game time, so the
    // schedule begins here.
    void Start(std::int64_t nowNs, int intervalMs, int shortestWaitMs);

    // How long the timer sleeps between wake-ups under the current schedule.
    int WaitMs() const { return intervalMs_ < shortestWaitMs_ ? shortestWaitMs_ : intervalMs_; }

    // Firings due at a wake-up at `nowNs`.
    int TicksDue(std::int64_t nowNs);

    // Counts a firing that ran at the pace.
    void TickRan() { ++ticksRun_; }

private:
    int intervalMs_ = 1;
    int shortestWaitMs_ = 1;
    std::int64_t startNs_ = 0;
    std::int64_t ticksRun_ = 0;
};

// The game timer: an interval in milliseconds and one on/off switch, firing `timeout` once per
// interval like any repeating timer. An interval shorter than the shortest wait (a screen
// frame) is paced by TickPacer: the program wakes up once per wait and fires the firings that
// came due, one after another; a firing that takes longer than a wait (it showed a message)
// ends them and starts the schedule afresh. Every wake-up ends with `wakeUpEnded`.
class TGameTimer : public QObject {
    Q_OBJECT
public:
    explicit TGameTimer(QObject* parent = nullptr);

    int interval() const { return interval_; }
    // Takes effect at once; a running timer starts its schedule afresh, unless it has that
    // interval already.
    void setInterval(int milliseconds);
    bool isActive() const { return wakeUp_.isActive(); }
    // Starts the timer, or starts it afresh when it runs.
    void start();
    void stop();
    Qt::TimerType timerType() const { return Qt::PreciseTimer; }
    // Takes effect at the next start.
    void setShortestWait(int milliseconds) { shortestWaitMs_ = milliseconds; }
    // Whether the timer runs but has not woken up for more than three waits. Qt does not
    // deliver a timer again while its handler is still on the stack, so a firing that waits in
    // a nested event loop holds every further wake-up back until it returns; such a timer
    // is no longer keeping its pace and is best started afresh.
    bool wakeUpHeldUp() const;

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
    std::int64_t lastWakeUpNs_ = 0;
    TickPacer pacer_;
};
