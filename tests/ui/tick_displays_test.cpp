// SPDX-License-Identifier: GPL-3.0-or-later
// When the displays of the ticks are drawn: at most once per screen frame while the game runs
// at full speed, always with the newest values, and at once otherwise.

#include "ui/tick_displays.h"
#include "ui_test_support.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <vector>

namespace {
// What was drawn, in order: "gauge 0=20", "clock b", "money 2".
struct DrawLog {
    std::vector<std::string> Entries;

    TickDisplays::Drawers Drawers() {
        return {[this](Gauge gauge, int value) {
                    Entries.push_back("gauge " + std::to_string(static_cast<int>(gauge)) + "=" +
                                      std::to_string(value));
                },
                [this](const std::string& text) { Entries.push_back("clock " + text); },
                [this](double wealth) {
                    Entries.push_back("money " + std::to_string(static_cast<int>(wealth)));
                }};
    }
};

using Log = std::vector<std::string>;
} // namespace

class TickDisplaysTest : public QObject {
    Q_OBJECT
    QWidget window_;
    TGameTimer gameTimer_;
    DrawLog drawn_;
    std::unique_ptr<TickDisplays> displays_;

    void SetAFewValuesTwice() {
        displays_->SetGauge(Gauge::Prices, 10);
        displays_->SetClock("a");
        displays_->SetMoney(1);
        displays_->SetGauge(Gauge::Prices, 20);
        displays_->SetGauge(Gauge::Variety, 5);
        displays_->SetClock("b");
        displays_->SetMoney(2);
    }

private slots:
    void init() {
        // As the game session has it: at full speed the game timer wakes up once per frame.
        gameTimer_.setShortestWait(
            int(TickDisplays::FramePeriod(window_.screen()->refreshRate()).count()));
        gameTimer_.setInterval(1);
        gameTimer_.start();
        drawn_.Entries.clear();
        displays_ = std::make_unique<TickDisplays>(gameTimer_, drawn_.Drawers());
        displays_->SetWindow(&window_);
    }
    void cleanup() {
        displays_.reset();
        gameTimer_.stop();
    }

    void framePeriods() {
        using std::chrono::milliseconds;
        QCOMPARE(TickDisplays::FramePeriod(60), milliseconds(17));
        QCOMPARE(TickDisplays::FramePeriod(144), milliseconds(7));
        QCOMPARE(TickDisplays::FramePeriod(50), milliseconds(20));
        QCOMPARE(TickDisplays::FramePeriod(0), milliseconds(17)); // not reported: 60 Hz
        QCOMPARE(TickDisplays::FramePeriod(-1), milliseconds(17));
        QCOMPARE(TickDisplays::FramePeriod(5000), milliseconds(1));
    }

    void atFullSpeedTheNewestValuesWaitForTheFrame() {
        SetAFewValuesTwice();
        QVERIFY(drawn_.Entries.empty());
        QVERIFY(displays_->Waiting());
        QTRY_VERIFY(!displays_->Waiting());
        QCOMPARE(drawn_.Entries, (Log{"gauge 0=5", "gauge 2=20", "clock b", "money 2"}));
    }

    void slowSpeedsAndAStoppedTimerDrawEveryValueAtOnce() {
        for (const bool stopped : {false, true}) {
            drawn_.Entries.clear();
            gameTimer_.setInterval(TickDisplays::EveryTickFromIntervalMs);
            if (stopped)
                gameTimer_.stop();
            displays_->SetClock("a");
            displays_->SetClock("b");
            displays_->SetMoney(3);
            QCOMPARE(drawn_.Entries, (Log{"clock a", "clock b", "money 3"}));
            QVERIFY(!displays_->Waiting());
        }
    }

    void stoppingOrSlowingTheTimerDrawsWhatWaits() {
        displays_->SetClock("a");
        gameTimer_.stop();
        displays_->TimerChanged();
        QCOMPARE(drawn_.Entries, Log{"clock a"});

        gameTimer_.setInterval(1);
        gameTimer_.start();
        displays_->SetClock("b");
        displays_->TimerChanged(); // still full speed: nothing yet
        QCOMPARE(drawn_.Entries, Log{"clock a"});
        gameTimer_.setInterval(500000000); // "Pause (0)"
        displays_->TimerChanged();
        QCOMPARE(drawn_.Entries, (Log{"clock a", "clock b"}));
    }

    void droppedValuesAreNeverDrawn() {
        SetAFewValuesTwice();
        displays_->DropMoney(); // the money display was written directly since
        displays_->DrawNow();
        QCOMPARE(drawn_.Entries, (Log{"gauge 0=5", "gauge 2=20", "clock b"}));

        drawn_.Entries.clear();
        SetAFewValuesTwice();
        displays_->DropAll(); // the program ends
        QTest::qWait(40);
        QVERIFY(drawn_.Entries.empty());
        QVERIFY(!displays_->Waiting());
    }

    // A value every millisecond for a while: one drawing per frame at most, never none.
    void aStreamOfValuesIsDrawnOncePerFrame() {
        const auto period = TickDisplays::FramePeriod(window_.screen()->refreshRate());
        QElapsedTimer elapsed;
        elapsed.start();
        int value = 0;
        QTimer source;
        connect(&source, &QTimer::timeout, this,
                [&] { displays_->SetClock(std::to_string(++value)); });
        source.start(1);
        RunEventLoopFor(200);
        source.stop();
        const qint64 frames = elapsed.elapsed() / period.count() + 1;
        QVERIFY(!drawn_.Entries.empty());
        QVERIFY2(
            static_cast<qint64>(drawn_.Entries.size()) <= frames,
            qPrintable(
                QStringLiteral("%1 drawings in %2 frames").arg(drawn_.Entries.size()).arg(frames)));
        QTRY_COMPARE(drawn_.Entries.back(), "clock " + std::to_string(value));
    }
};

QTEST_MAIN(TickDisplaysTest)
#include "tick_displays_test.moc"
