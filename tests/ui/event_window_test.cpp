// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/events.h"
#include "ui/form11_event.h"
#include "ui/form7_settings.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QWindow>

namespace {
// Raises entry r the way the tick does: picked with the timer off, window shown, main hidden.
void RaiseEvent(int r) {
    Session->SetTimerEnabled(false);
    ShowEvent(Session->game().Event, r);
    Session->ShowEventWindow();
}

// The answers on offer: Button1 (Ja), Button2 (Nein), Button3 (OK).
QStringList Buttons() {
    QStringList shown;
    for (QPushButton* button : {Form11->Button1, Form11->Button2, Form11->Button3})
        if (button->isVisible())
            shown << button->objectName();
    return shown;
}

// The event window is gone and the game runs on in the main window.
bool BackInTheGame() {
    return !Form11->isVisible() && Form1->isVisible() && Session->TimerEnabled();
}

// Presses the first answer on offer with the mouse, as long as the window shows.
void AnswerWithTheMouse() {
    for (int press = 0; press < 3 && Form11->isVisible(); ++press)
        for (QPushButton* answer : {Form11->Button1, Form11->Button2, Form11->Button3})
            if (!answer->isHidden()) {
                QTest::mouseClick(answer, Qt::LeftButton);
                break;
            }
}

// How the player leaves the settings and the event window after an event came up under the
// open settings.
enum class CloseOrder { SettingsFirst, AnswersFirst, SettingsBetweenAnswers, LearnedName, DayEnd };

constexpr double DayEnd = 46000.0 + 30.0 / 1440.0; // 00:30, the tick that settles the day

QStringList Rows() {
    QStringList rows;
    for (QLabel* label : {Form11->Label2, Form11->Label3, Form11->Label4, Form11->Label5,
                          Form11->Label6, Form11->Label7, Form11->Label8})
        rows << label->text();
    return rows;
}
} // namespace

class EventWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() {
        run_ = std::make_unique<ProgramRun>();
        Form1->Button1Click();
    }
    void cleanup() { run_.reset(); }

    void isBorderlessAtItsPlace() {
        QVERIFY(Form11->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Form11->size(), QSize(536, 303));
        QCOMPARE(Form11->pos(), QPoint(187, 103));
        QCOMPARE(Form11->Label1->text(), QStringLiteral("Ereigniss"));
        QCOMPARE(Form11->Label1->font().pixelSize(), 48);
        QVERIFY(Form11->Label1->font().bold());
        QCOMPARE(Form11->Label5->geometry(), QRect(2, 144, 530, 31));
        QCOMPARE(Form11->Button2->geometry(), QRect(320, 272, 100, 25));

        // Every story and result line fits its row, and the heading its place.
        const QFontMetrics heading = Form11->Label1->fontMetrics();
        QVERIFY(heading.horizontalAdvance(Form11->Label1->text()) <= Form11->Label1->width());
        const QFontMetrics row = Form11->Label2->fontMetrics();
        QVERIFY(row.height() <= Form11->Label2->height());
        QStringList lines;
        for (const TEreigniss& event : Events) {
            for (std::string_view line : event.Lines)
                lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
            for (const auto& result : {event.YesLines, event.NoLines})
                for (std::string_view line : result)
                    lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
        }
        for (const QString& line : lines)
            QVERIFY2(row.horizontalAdvance(line) <= Form11->Label2->width(), qPrintable(line));
    }

    void showsTheStoryWithTheAmountInTheFourthRow() {
        RaiseEvent(7);
        QVERIFY(Form11->isVisible());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
        QCOMPARE(Rows(), (QStringList{"Ein sehr zufriedener Gast", "gibt Ihnen aus ungeklärten",
                                      "Gründen ein Trinkgeld von EUR", "700", "", "", ""}));
        QCOMPARE(Buttons(), QStringList{"Button3"});

        QTest::mouseClick(Form11->Button3, Qt::LeftButton);
        QCOMPARE(Session->state().Wealth, 10700.0);
        QVERIFY(BackInTheGame());
    }

    void twoStageEventShowsItsResultBeforeClosing() {
        RaiseEvent(13);
        QCOMPARE(Buttons(), (QStringList{"Button1", "Button2"}));
        QCOMPARE(Form11->Label5->text(), QStringLiteral("300"));

        QTest::mouseClick(Form11->Button1, Qt::LeftButton);
        QVERIFY(Form11->isVisible());
        QCOMPARE(Rows(),
                 (QStringList{"Pech gehabt. Es war", "der linke Hut.", "", "", "", "", ""}));
        QCOMPARE(Buttons(), QStringList{"Button3"});
        QCOMPARE(Session->state().Wealth, 9700.0);
        QVERIFY(!Session->TimerEnabled());

        Form11->repaint(); // a repaint shows the same
        QCOMPARE(Form11->Label2->text(), QStringLiteral("Pech gehabt. Es war"));

        QTest::mouseClick(Form11->Button3, Qt::LeftButton);
        QCOMPARE(Session->state().Wealth, 9700.0);
        QVERIFY(BackInTheGame());
    }

    void learningAnArticleTellsItsName() {
        MessageAnswerer answerer;
        Session->state().Drinks[21].Known = false;
        const QString name = QString::fromStdString(Session->state().Drinks[21].Name.ToUtf8());
        RaiseEvent(1);
        QTest::mouseClick(Form11->Button1, Qt::LeftButton);
        QCOMPARE(answerer.Texts, QStringList{"Das Getränk " + name + " wurde hinzugefügt."});
        QVERIFY(Session->state().Drinks[21].Known);
        QCOMPARE(Session->state().Wealth, 9400.0);
        QVERIFY(BackInTheGame());
    }

    // The keyboard answers as in every dialog: the first answer on offer has the focus, and
    // after a two-stage answer the "OK".
    void enterOrSpaceAnswersTheEventWindow() {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            const double wealth = Session->state().Wealth;
            RaiseEvent(13);
            QVERIFY(QTest::qWaitForWindowActive(Form11));
            QTest::keyClick(Form11->windowHandle(), key);
            QCOMPARE(Form11->Label2->text(), QStringLiteral("Pech gehabt. Es war"));
            QTest::keyClick(Form11->windowHandle(), key);
            QVERIFY(BackInTheGame());
            QCOMPARE(Session->state().Wealth, wealth - 300);
        }
    }

    void cannotBeClosedWithoutAnAnswer() {
        RaiseEvent(6);
        QVERIFY(!Form11->close());
        QTest::keyClick(Form11, Qt::Key_Escape);
        QTest::keyClick(Form11, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(Form11->isVisible());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
        QCOMPARE(Session->state().Wealth, 10000.0);
    }

    // Whatever the order in which the player closes the settings, answers the event and reads
    // its messages, the game afterwards runs at the speed chosen, the pause included.
    void everyCloseOrderLeavesTheTimerRunning_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<CloseOrder>("order");
        const std::pair<const char*, CloseOrder> orders[] = {
            {"settings first", CloseOrder::SettingsFirst},
            {"answers first", CloseOrder::AnswersFirst},
            {"settings between answers", CloseOrder::SettingsBetweenAnswers},
            {"learned name", CloseOrder::LearnedName},
            {"day end", CloseOrder::DayEnd}};
        for (int speed : {SpeedFast, SpeedNormal, SpeedSlow, SpeedPause})
            for (auto [name, order] : orders)
                QTest::addRow("%s, speed %d", name, speed) << speed << order;
    }
    void everyCloseOrderLeavesTheTimerRunning() {
        QFETCH(int, speed);
        QFETCH(CloseOrder, order);
        MessageAnswerer player;
        GameState& state = Session->state();
        const auto closeSettings = [] { Form7->windowHandle()->close(); }; // the title bar's X
        QTest::mouseClick(Form1->Button15, Qt::LeftButton);
        QTest::mouseClick(Form7->RadioItems[speed], Qt::LeftButton);
        QCOMPARE(Form7->ItemIndex(), speed);

        switch (order) {
        case CloseOrder::SettingsFirst:
            RaiseEvent(13);
            closeSettings();
            AnswerWithTheMouse();
            break;
        case CloseOrder::AnswersFirst:
            RaiseEvent(13);
            AnswerWithTheMouse();
            closeSettings();
            break;
        case CloseOrder::SettingsBetweenAnswers:
            RaiseEvent(13);
            QTest::mouseClick(Form11->Button1, Qt::LeftButton);
            closeSettings();
            QTest::mouseClick(Form11->Button3, Qt::LeftButton);
            break;
        case CloseOrder::LearnedName:
            state.Drinks[3].Known = false;
            RaiseEvent(1);
            closeSettings();
            QTest::mouseClick(Form11->Button1, Qt::LeftButton);
            QVERIFY(state.Drinks[3].Known);
            break;
        case CloseOrder::DayEnd: {
            // The tick that ends the day raises the event; the rent message after it starts the
            // timer again, and the pub runs on while the event waits.
            state.Locations[1].Leased = true;
            state.GameClock = ::DayEnd;
            run_->Rng.EventRoll = 0;
            Form1->Timer1Timer();
            run_->Rng.EventRoll = ControlledRandom::EventRollRange - 1;
            QVERIFY(Form11->isVisible());
            QCOMPARE(player.Texts.size(), 1);
            QVERIFY(Session->TimerEnabled());
            closeSettings();
            AnswerWithTheMouse();
            break;
        }
        }

        QVERIFY(!Form11->isVisible());
        QVERIFY(!Form7->isVisible());
        QVERIFY(Form1->isVisible());
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Form1->Timer1->interval(), SpeedInterval(speed));
        if (speed == SpeedSlow || speed == SpeedPause)
            return; // a tick a second or less: the timer's state says it all
        const double clock = state.GameClock;
        QTRY_VERIFY_WITH_TIMEOUT(state.GameClock > clock, 3000);
    }

    void closingBesideAnOpenDialogShowsBoth() {
        Form1->Button15Click();
        RaiseEvent(5);
        QTest::mouseClick(Form11->Button3, Qt::LeftButton);
        QVERIFY(Form7->isVisible());
        QVERIFY(Form1->isVisible());
    }
};

QTEST_MAIN(EventWindowTest)
#include "event_window_test.moc"
