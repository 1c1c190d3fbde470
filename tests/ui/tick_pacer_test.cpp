// SPDX-License-Identifier: GPL-3.0-or-later
// The pacer that keeps "Schnell (3)" at a game minute per millisecond while the program wakes
// up only once per screen frame, and late at that.

#include "ui/game_timer.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr std::int64_t Ms = 1000000;
constexpr int Frame = 17;

// Wakes the pacer every `periodNs` from `fromNs` to `toNs` and returns the firings it let run;
// `check` sees every wake-up's count.
template <class Check>
int RunFrom(TickPacer& pacer, std::int64_t fromNs, std::int64_t toNs, std::int64_t periodNs,
            Check check) {
    int ticks = 0;
    for (std::int64_t now = fromNs; now <= toNs; now += periodNs) {
        const int due = pacer.TicksDue(now);
        check(now, due);
        for (int i = 0; i < due; ++i)
            pacer.TickRan();
        ticks += due;
    }
    return ticks;
}
int RunFrom(TickPacer& pacer, std::int64_t fromNs, std::int64_t toNs, std::int64_t periodNs) {
    return RunFrom(pacer, fromNs, toNs, periodNs, [](std::int64_t, int) {});
}
} // namespace

class TickPacerTest : public QObject {
    Q_OBJECT
private slots:
    void wakesUpOncePerFrameButKeepsOneTickPerMillisecond() {
        for (const std::int64_t period : {Frame * Ms, Frame * Ms + 700000, Frame * Ms * 3 / 2}) {
            TickPacer pacer;
            pacer.Start(0, 1, Frame);
            QCOMPARE(pacer.WaitMs(), Frame);
            int total = 0;
            const int ticks =
                RunFrom(pacer, period, 1000 * Ms, period, [&](std::int64_t now, int due) {
                    total += due;
                    QVERIFY(due <= 2 * Frame);  // never a burst
                    QVERIFY(total <= now / Ms); // never ahead of time
                });
            QVERIFY2(ticks >= 1000 - 2 * Frame, qPrintable(QString::number(ticks)));
        }
    }

    void aShortStallIsMadeUpAndALongOneStartsAfresh() {
        TickPacer pacer;
        pacer.Start(0, 1, Frame);
        const int before = RunFrom(pacer, Frame * Ms, 4 * Frame * Ms, Frame * Ms);
        // A busy machine held a wake-up back by 10 ms: made up at the following wake-ups.
        const std::int64_t lastWakeUp = 9 * Frame + 10;
        const int after = RunFrom(pacer, 5 * Frame * Ms + 10 * Ms, lastWakeUp * Ms, Frame * Ms);
        QCOMPARE(before + after, lastWakeUp); // a tick for every millisecond

        // Half a second without a wake-up: the next one runs a frame's worth, not 500.
        QCOMPARE(pacer.TicksDue((lastWakeUp + 500) * Ms), Frame);
    }

    void aStartBeginsAFreshSchedule() {
        TickPacer pacer;
        pacer.Start(0, 1, Frame);
        RunFrom(pacer, Frame * Ms, 4 * Frame * Ms, Frame * Ms);
        pacer.Start(100 * Ms, 1, Frame); // the timer stood still for a message, however short
        QCOMPARE(pacer.TicksDue(100 * Ms + Frame * Ms), Frame);
    }

    void slowerSpeedsFireOncePerWakeUp() {
        TickPacer pacer;
        pacer.Start(0, 400, Frame);
        QCOMPARE(pacer.WaitMs(), 400);
        QCOMPARE(RunFrom(pacer, 400 * Ms, 12000 * Ms, 1200 * Ms), 10);
        pacer.Start(0, 500000000, Frame);
        QCOMPARE(pacer.WaitMs(), 500000000);
    }

    // A firing that stops or restarts the timer (a message, the event window) ends the
    // firings of its wake-up: the rest belonged to the schedule that is gone.
    void aFiringThatStopsOrRestartsTheTimerEndsItsWakeUp() {
        for (const bool restart : {false, true}) {
            TGameTimer timer;
            timer.setShortestWait(Frame);
            timer.setInterval(1);
            int firings = 0;
            connect(&timer, &TGameTimer::timeout, &timer, [&] {
                if (++firings == 1) {
                    timer.stop();
                    if (restart)
                        timer.start();
                }
            });
            QSignalSpy wakeUps(&timer, &TGameTimer::wakeUpEnded);
            timer.start();
            QVERIFY(wakeUps.wait(1000));
            QCOMPARE(firings, 1);
            QCOMPARE(timer.isActive(), restart);
        }
    }
};

QTEST_MAIN(TickPacerTest)
#include "tick_pacer_test.moc"
