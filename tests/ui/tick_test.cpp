// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/date_time.h"
#include "game/game_state.h"
#include "ui/form11_event.h"
#include "ui/form7_settings.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>

namespace {
constexpr double DayEnd = 46000.0 + 30.0 / 1440.0; // 00:30, the tick that settles the day

void LeaseFirstLocation(GameState& state, double rent) {
    state.Locations[1].Leased = true;
    state.Locations[1].RentPerDay = rent;
    state.LeasedLocation = 1;
}

// Counts the paints of one control.
class PaintCounter final : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        Paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

const QString Bankrupt =
    QStringLiteral("Sie haben nicht genügend Geld um Ihre Pacht zu zahlen. Sie sind pleite.");
} // namespace

class TickTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() {
        run_ = std::make_unique<ProgramRun>();
        Form1->Button1Click();
    }
    void cleanup() { run_.reset(); }

    void timerDrivesTheClock() {
        Session->state().GameClock = 46000.5; // 12:00
        Session->SetTimerInterval(1);
        QTRY_VERIFY(Session->state().GameClock >= 46000.5 + 5.0 / 1440.0);
        Session->SetTimerEnabled(false);
        QCOMPARE(Form1->Label2->text(),
                 QString::fromStdString(ClockText(Session->state().GameClock)));
    }

    // A thousand ticks a second, but the clock is drawn at most once per screen frame; a pause
    // shows the newest clock at once.
    void fullSpeedDrawsOncePerFrameAndPauseDrawsAtOnce() {
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        PaintCounter clockPaints;
        Form1->Label2->installEventFilter(&clockPaints);
        const double clockBefore = Session->state().GameClock;
        QElapsedTimer elapsed;
        elapsed.start();
        Session->SetTimerInterval(1);
        RunEventLoopFor(300);
        Form1->FormKeyPress(QLatin1Char('0'));
        const qint64 frames =
            elapsed.elapsed() / TickDisplays::FramePeriod(Form1->screen()->refreshRate()).count();
        const QString clock = QString::fromStdString(ClockText(Session->state().GameClock));
        QCOMPARE(Form1->Label2->text(), clock);
        const int ticks = qRound((Session->state().GameClock - clockBefore) * 1440);
        QVERIFY2(ticks > 2 * frames && clockPaints.Paints <= frames + 2,
                 qPrintable(QStringLiteral("%1 ticks, %2 clock paints, %3 frames")
                                .arg(ticks)
                                .arg(clockPaints.Paints)
                                .arg(frames)));
        RunEventLoopFor(50); // the pause holds the picture
        QCOMPARE(Form1->Label2->text(), clock);
    }

    // The player reads a message of a tick beside the displays as that tick left them: the
    // rent falls due with the clock at 00:30 and the money before the rent.
    void aMessageAtFullSpeedShowsTheDisplaysOfItsTick() {
        GameState& state = Session->state();
        LeaseFirstLocation(state, 50);
        state.GameClock = DayEnd - 3.0 / 1440.0;
        state.Wealth = 1000;
        MessageAnswerer answerer;
        QStringList shown;
        answerer.OnMessage = [&shown](const QString&) {
            shown << Form1->Label2->text() << Form1->Label1->text();
        };
        Session->SetTimerInterval(1);
        QTRY_VERIFY(!answerer.Texts.isEmpty());
        Session->SetTimerEnabled(false);
        QVERIFY(answerer.Texts[0].startsWith(QStringLiteral("Die Pacht")));
        QCOMPARE(shown, (QStringList{QString::fromStdString(ClockText(DayEnd)), Money("1000.00")}));
    }

    void noTickStartsWhileAMessageOfATickIsOpen() {
        // The wage message is shown with the timer running.
        GameState& state = Session->state();
        state.GameClock = DayEnd;
        state.Wealth = 10;
        state.StaffPool[1].Employed = true;
        state.StaffPool[1].WagePerDay = 40;
        Session->SetTimerInterval(1);
        QVERIFY(Session->TimerEnabled());

        MessageAnswerer answerer;
        int timeoutsDuringMessage = 0;
        double clockDuringMessage = 0;
        answerer.OnMessage = [&](const QString&) {
            QSignalSpy timeouts(Form1->Timer1, &TGameTimer::timeout);
            clockDuringMessage = state.GameClock;
            // Wait for the timer to fire a few times, however busy the machine is.
            QTRY_VERIFY_WITH_TIMEOUT(timeouts.count() >= 3, 10000);
            timeoutsDuringMessage = int(timeouts.count());
            QCOMPARE(state.GameClock, clockDuringMessage);
        };
        Form1->Timer1Timer();

        QCOMPARE(answerer.Texts.size(), 1);
        QVERIFY(answerer.Texts[0].endsWith(QStringLiteral(" kündigt.")));
        QVERIFY2(timeoutsDuringMessage >= 3, "the timer has to fire under the open message");
        QCOMPARE(clockDuringMessage, 46000.0 + 9.0 / 24.0);
    }

    // The wage message leaves the timer running, but the minutes that came due while the
    // player read it are not run when it closes: the run of its wake-up ends with it.
    void noMinuteOfTheRunFollowsTheWageMessage() {
        GameState& state = Session->state();
        state.GameClock = DayEnd - 5.0 / 1440.0; // the sixth minute of a run settles the day
        state.Wealth = 10;
        state.StaffPool[1].Employed = true;
        state.StaffPool[1].WagePerDay = 40;
        MessageAnswerer answerer;
        double clockAtMessage = 0;
        answerer.OnMessage = [&](const QString&) {
            RunEventLoopFor(100); // longer than a frame
            clockAtMessage = state.GameClock;
        };
        double clockAtRunEnd = 0;
        QObject watch;
        connect(Form1->Timer1, &TGameTimer::wakeUpEnded, &watch, [&] {
            if (clockAtMessage != 0 && clockAtRunEnd == 0)
                clockAtRunEnd = state.GameClock;
        });
        Session->SetTimerInterval(1);
        QTRY_VERIFY(clockAtRunEnd != 0);
        Session->SetTimerEnabled(false);
        QCOMPARE(answerer.Texts.size(), 1);
        QCOMPARE(clockAtMessage, 46000.0 + 9.0 / 24.0);
        QCOMPARE(qRound((clockAtRunEnd - clockAtMessage) * 1440), 0);
    }

    // Qt holds a timer's wake-ups back while one of its firings waits in a nested event loop;
    // enabling the timer then (the event window closing under it) sets it going again.
    void enablingATimerWhoseWakeUpIsHeldUpStartsItAfresh() {
        Session->SetTimerInterval(1);
        int firingsWhileHeld = 0;
        bool holding = false;
        bool held = false;
        QObject watch;
        connect(Form1->Timer1, &TGameTimer::timeout, &watch, [&] {
            if (holding)
                ++firingsWhileHeld;
            if (std::exchange(held, true))
                return;
            holding = true;
            QTimer::singleShot(100, &watch, [] { Session->SetTimerEnabled(true); });
            RunEventLoopFor(300);
            holding = false;
        });
        QTRY_VERIFY(held && !holding);
        QVERIFY(firingsWhileHeld > 0);
    }

    void eventOfATickShowsTheEventWindow() {
        run_->Rng.EventRoll = 0;
        Form1->Timer1Timer();
        run_->Rng.EventRoll = ControlledRandom::EventRollRange - 1;
        QVERIFY(Form11->isVisible());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
        QVERIFY(!Form11->Label2->text().isEmpty());
    }

    void bankruptcyEndsTheProgramWithoutAnotherWord() {
        GameState& state = Session->state();
        LeaseFirstLocation(state, 500);
        state.GameClock = DayEnd;
        state.Wealth = 499.99;
        Form1->Button15Click(); // an open dialog goes too
        MessageAnswerer answerer;
        Form1->Timer1Timer();

        QCOMPARE(answerer.Texts, QStringList{Bankrupt});
        QCOMPARE(run_->EndRequests, 1);
        QVERIFY(!Session->TimerEnabled());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Form7->isVisible());
        QCOMPARE(state.Wealth, 499.99);
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: 10000.00 €"));

        Form1->Timer1Timer();
        Session->ShowMessage("late");
        QTest::qWait(20);
        QCOMPARE(answerer.Texts.size(), 1);
    }

    void bankruptcyUnderADialogMessageEndsEverything() {
        // A dialog's message does not stop the timer; the tick under it ends the game.
        GameState& state = Session->state();
        LeaseFirstLocation(state, 500);
        state.GameClock = DayEnd;
        state.Wealth = 0;
        Session->SetTimerInterval(1);
        Form1->Button15Click();
        // The player reads the dialog's message until the game ends under it.
        MessageAnswerer answerer;
        answerer.OnMessage = [](const QString& text) {
            if (text != QStringLiteral("Dialog"))
                return;
            QEventLoop reading;
            QTimer::singleShot(2000, &reading, &QEventLoop::quit);
            QTimer check;
            connect(&check, &QTimer::timeout, &reading, [&reading] {
                if (Session->Ending())
                    reading.quit();
            });
            check.start(5);
            reading.exec();
        };
        Session->ShowMessage("Dialog");
        Session->ShowMessage("after the end");

        QVERIFY(answerer.Texts.contains(Bankrupt));
        QCOMPARE(answerer.Texts.last(), Bankrupt);
        QCOMPARE(run_->EndRequests, 1);
        QVERIFY(!Form7->isVisible());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
    }

    void reachedGoalsEndTheProgramAfterSevenMessages() {
        GameState& state = Session->state();
        PutAllOnCard(state);
        state.Wealth = 100000;
        MessageAnswerer answerer;
        Form1->Timer1Timer();

        QCOMPARE(answerer.Texts.size(), 7);
        QCOMPARE(answerer.Texts.first(),
                 QStringLiteral("Herzlichen Glückwunsch. Sie haben alle Spielziele erreicht."));
        QCOMPARE(answerer.Texts.last(),
                 QStringLiteral("Das Spiel endet hier. Nochmals herzlichen Glückwunsch!"));
        QCOMPARE(run_->EndRequests, 1);
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
    }

    void bankruptcyLeavesTheEventLoop() {
        run_.reset();
        run_ = std::make_unique<ProgramRun>(true);
        Form1->Button1Click();
        GameState& state = Session->state();
        LeaseFirstLocation(state, 50);
        state.GameClock = DayEnd;
        state.Wealth = 0;
        MessageAnswerer answerer;
        QTimer::singleShot(0, Form1, [] { Form1->Timer1Timer(); });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        safety.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(answerer.Texts, QStringList{Bankrupt});
    }
};

QTEST_MAIN(TickTest)
#include "tick_test.moc"
