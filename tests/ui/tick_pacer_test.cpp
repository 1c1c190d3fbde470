// The pacer that keeps "Schnell (3)" at a game minute per millisecond although the timer
// fires a little late every time.

#include "ui/tick_pacer.h"

#include <QTest>

namespace {
constexpr std::int64_t Ms = 1000000;

// Fires the pacer every `periodNs` for `durationMs` and returns the ticks it let run.
int TicksInRun(TickPacer& pacer, std::int64_t periodNs, int durationMs, int intervalMs = 1) {
    int ticks = 0;
    for (std::int64_t now = 0; now <= durationMs * Ms; now += periodNs) {
        const int due = pacer.TicksDue(now, intervalMs);
        for (int i = 0; i < due; ++i)
            pacer.TickRan();
        ticks += due;
    }
    return ticks;
}
} // namespace

class TickPacerTest : public QObject {
    Q_OBJECT
private slots:
    void lateFiringsAreMadeUpToOneTickPerMillisecond() {
        TickPacer pacer;
        // A timer that fires every 1.2 ms: without pacing 834 ticks a second.
        const int ticks = TicksInRun(pacer, 1200000, 1000);
        QVERIFY2(ticks >= 999 && ticks <= 1001, qPrintable(QString::number(ticks)));
    }

    void neverMoreThanTwoTicksPerFiringAndNeverAheadOfTime() {
        TickPacer pacer;
        int total = 0;
        for (std::int64_t now = 0; now <= 100 * Ms; now += 1500000) {
            const int due = pacer.TicksDue(now, 1);
            QVERIFY(due == 1 || due == 2);
            for (int i = 0; i < due; ++i)
                pacer.TickRan();
            total += due;
            QVERIFY(total <= now / Ms + 1);
        }
    }

    void aStallStartsAFreshScheduleInsteadOfABurst() {
        TickPacer pacer;
        TicksInRun(pacer, Ms, 10);
        // 500 ms without a firing (a message box was open): the next firing runs one tick.
        QCOMPARE(pacer.TicksDue(510 * Ms, 1), 1);
        pacer.TickRan();
        QCOMPARE(pacer.TicksDue(511 * Ms, 1), 1);
    }

    void aShortStallIsMadeUpTwoTicksAFiring() {
        TickPacer pacer;
        const int before = TicksInRun(pacer, Ms, 10);
        // The machine was busy for 6 ms; firings come every millisecond again afterwards.
        int after = 0;
        for (std::int64_t now = 16 * Ms; now <= 30 * Ms; now += Ms) {
            const int due = pacer.TicksDue(now, 1);
            QVERIFY(due == 1 || due == 2);
            for (int i = 0; i < due; ++i)
                pacer.TickRan();
            after += due;
        }
        QCOMPARE(before + after, 31);
    }

    void aRestartedTimerBeginsAFreshSchedule() {
        TickPacer pacer;
        TicksInRun(pacer, Ms, 10);
        pacer.Restart(); // the timer stood still for a message, however short
        QCOMPARE(pacer.TicksDue(15 * Ms, 1), 1);
        pacer.TickRan();
        QCOMPARE(pacer.TicksDue(16 * Ms, 1), 1);
    }

    void slowerSpeedsRunOneTickPerFiring() {
        TickPacer pacer;
        QCOMPARE(TicksInRun(pacer, 1200 * Ms, 12000, 400), 11);
        // back at full speed the schedule starts afresh
        QCOMPARE(pacer.TicksDue(20000 * Ms, 1), 1);
    }
};

QTEST_MAIN(TickPacerTest)
#include "tick_pacer_test.moc"
