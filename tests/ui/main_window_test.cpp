// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/events.h"
#include "game/game_state.h"
#include "ui/form11_event.h"
#include "ui/form12_bank.h"
#include "ui/form16_goals.h"
#include "ui/form2_lease.h"
#include "ui/form4_cards.h"
#include "ui/form7_settings.h"
#include "ui/form8_prices.h"
#include "ui/spin_edit.h"
#include "widgets/led_meter.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <clocale>

namespace {
const QStringList NoGameButtons = {"Button1", "Button12", "Button13", "Button15", "Button17"};
constexpr Qt::KeyboardModifiers AllThree =
    Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void startsWithoutGame() {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Das Krugheim"));
        QCOMPARE(Form1->size(), QSize(427, 311));
        QCOMPARE(VisibleButtons(), Sorted(NoGameButtons));
        QVERIFY(!Form1->Label1->isVisibleTo(Form1));
        QVERIFY(!Form1->Label2->isVisibleTo(Form1));
        QVERIFY(!Session->TimerEnabled());
        QCOMPARE(Form1->Timer1->interval(), 400);
        QCOMPARE(Form1->Timer1->timerType(), Qt::PreciseTimer);
        for (TLEDMeter* gauge : {Form1->Progressbar1, Form1->Progressbar2, Form1->Progressbar3,
                                 Form1->Progressbar4, Form1->Progressbar5}) {
            QVERIFY(gauge->isVisibleTo(Form1));
            QCOMPARE(gauge->size(), QSize(143, 11));
            QCOMPARE(gauge->Position(), 0);
            QCOMPARE(gauge->LEDContrast(), 7);
            QCOMPARE(gauge->StartColor2(), 50);
            QCOMPARE(gauge->StartColor3(), 75);
            QCOMPARE(gauge->ColorLED1(), QColor(255, 0, 0));
            QCOMPARE(gauge->BevelStyle(), bvLowered);
        }
        QCOMPARE(Form1->Button1->geometry(), QRect(32, 24, 218, 25));
        QCOMPARE(Form1->Button13->geometry(), QRect(150, 272, 100, 25));
        QCOMPARE(Form1->Label6->text(), QStringLiteral("Gesamtattraktivität:"));
        QCOMPARE(Form1->Progressbar4->pos(), QPoint(264, 272));
    }

    // The second run of the window tests is the German player's: it proves something only
    // when the C library really writes a decimal comma there.
    void moneyKeepsItsPointUnderTheGermanLocale() {
        if (!qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("de_DE")))
            QSKIP("the run under the C locale");
        QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
        Session->state().Wealth = -1234.5;
        Form1->vermoegenanzeigen();
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: -1234.50 €"));
    }

    void textsFitTheirPlaces() {
        for (auto* button : Form1->findChildren<QPushButton*>()) {
            const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(textWidth + 8 <= button->width(), qPrintable(button->text()));
        }
        Session->state().Wealth = -99999999.99;
        Form1->vermoegenanzeigen();
        QVERIFY(Form1->Label1->geometry().right() < Form1->width());
    }

    void newGameEntersTheSecondStage() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QCOMPARE(VisibleButtons(), Sorted(NoGameButtons + QStringList{"Button11", "Button2"}));
        QVERIFY(!Form1->Button1->isEnabled());
        QVERIFY(Form1->Button2->isEnabled());
        QVERIFY(Form1->Label1->isVisible());
        QVERIFY(Form1->Label2->isVisible());
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: 10000.00 €"));
        QCOMPARE(Form1->Label2->text().size(), 16); // "dd.mm.yyyy hh:nn"
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Session->state().LocationCursor, 1);
    }

    void leasingShowsTheManagementButtons() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QTest::mouseClick(Form1->Button2, Qt::LeftButton);
        QVERIFY(!Form1->isVisible());
        QVERIFY(Form2->isVisible());
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);

        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->isVisible());
        QCOMPARE(Session->state().LeasedLocation, 3);
        QVERIFY(Session->state().Locations[3].Leased);
        QCOMPARE(VisibleButtons(),
                 Sorted(NoGameButtons + QStringList{"Button11", "Button2"} + ManagementButtons));
        QVERIFY(!Form1->Button2->isEnabled());
    }

    void closingTheLeaseDialogWithoutLeaseChangesNothing() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QTest::mouseClick(Form1->Button2, Qt::LeftButton);
        Form2->close();
        QVERIFY(Form1->isVisible());
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->Button2->isEnabled());
        QVERIFY(!Form1->Button7->isVisibleTo(Form1));
        QCOMPARE(Session->state().LeasedLocation, 0);
    }

    void dialogCommandsHideTheMainWindowAndLeaveTheTimerAlone() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        Form1->knoepfezeigen();
        const struct {
            QPushButton* button;
            QWidget* dialog;
        } commands[] = {{Form1->Button15, Form7},
                        {Form1->Button17, Form16},
                        {Form1->Button4, Form4},
                        {Form1->Button8, Form12}};
        for (const auto& command : commands) {
            QTest::mouseClick(command.button, Qt::LeftButton);
            QVERIFY2(command.dialog->isVisible(), qPrintable(command.button->text()));
            QVERIFY(!Form1->isVisible());
            QVERIFY(Session->TimerEnabled());
            command.dialog->close();
            QVERIFY(!command.dialog->isVisible());
            QVERIFY(Form1->isVisible());
        }
    }

    void moneyGoesIntoAllFiveLabels() {
        Session->state().Wealth = 1234.5;
        Form1->vermoegenanzeigen();
        const QString expected = QStringLiteral("Vermögen: 1234.50 €");
        QCOMPARE(Form1->Label1->text(), expected);
        QCOMPARE(Form4->Label3->text(), expected);
        QCOMPARE(Form5->Label3->text(), expected);
        QCOMPARE(Form6->Label3->text(), expected);
        QCOMPARE(Form12->Label1->text(), expected);
        Session->state().Wealth = -0.5;
        Session->RefreshMoney();
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: -0.50 €"));
    }

    void speedKeysSetOnlyTheInterval() {
        QTest::keyClick(Form1->Button15, Qt::Key_0, Qt::NoModifier);
        QCOMPARE(Form1->Timer1->interval(), 500000000);
        QVERIFY2(!Session->TimerEnabled(), "a speed key must not start the timer");
        QTest::keyClick(Form1, Qt::Key_3);
        QCOMPARE(Form1->Timer1->interval(), 1);
        QTest::keyClick(Form1->Button13, Qt::Key_1);
        QCOMPARE(Form1->Timer1->interval(), 1000);
        QTest::keyClick(Form1->Button1, Qt::Key_2);
        QCOMPARE(Form1->Timer1->interval(), 400);
        QTest::keyClick(Form1->Button1, Qt::Key_4);
        QCOMPARE(Form1->Timer1->interval(), 400);
        // With Ctrl or Alt held a digit types no character.
        QTest::keyClick(Form1->Button1, Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(Form1->Button1, Qt::Key_0, Qt::AltModifier);
        QCOMPARE(Form1->Timer1->interval(), 400);

        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QTest::keyClick(Form1->Button12, Qt::Key_0);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Form1->Timer1->interval(), 500000000);
        QCOMPARE(Form7->ItemIndex(), 1);
        QCOMPARE(Session->state().Controls.SpeedIndex, 1);
    }

    // The speed keys act from every window of the game as in the main window; where the focus
    // is in a field, the digit is typed there instead.
    void speedKeysActFromEveryWindowButTypeIntoFields() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        const auto pressZeroIn = [](QWidget* window) {
            Session->SetTimerInterval(400);
            QTest::keyClick(window->windowHandle(), Qt::Key_0);
            return Form1->Timer1->interval() == 500000000;
        };

        Form1->Button15Click();
        Form7->RadioItems[1]->setFocus();
        QVERIFY(pressZeroIn(Form7));
        QCOMPARE(Form7->ItemIndex(), 1);
        QVERIFY(Session->TimerEnabled());

        Session->SetTimerEnabled(false);
        ShowEvent(Session->game().Event, 7);
        Session->ShowEventWindow();
        QVERIFY(pressZeroIn(Form11));
        QVERIFY2(!Session->TimerEnabled(), "a speed key must not start the timer");
        Form11->Button3->click();

        MessageAnswerer player;
        bool paused = false;
        player.OnMessage = [&](const QString&) {
            paused = pressZeroIn(QApplication::activeModalWidget());
        };
        Session->ShowMessage("Nachricht");
        QVERIFY(paused);

        Form1->Button10Click();
        Session->SetTimerInterval(400);
        const std::pair<QWidget*, QLineEdit*> fields[] = {
            {Form7, Form7->SpinEdit1->findChild<QLineEdit*>()}, {Form8, Form8->Edit1}};
        for (auto [window, field] : fields) {
            window->show();
            field->setFocus();
            field->clear();
            QTest::keyClick(window->windowHandle(), Qt::Key_3);
            QCOMPARE(field->text(), QStringLiteral("3"));
            QCOMPARE(Form1->Timer1->interval(), 400);
        }
    }

    // Holding a speed key repeats it; the speed already set must keep its pace.
    void holdingTheKeyOfTheSpeedSetKeepsThePace() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QSignalSpy ticks(Form1->Timer1, &TGameTimer::timeout);
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 2000) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent repeated(type, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"), true);
                QApplication::sendEvent(Form1->Button12, &repeated);
            }
            RunEventLoopFor(30);
        }
        // Five ticks are due at 400 ms; a busy machine may lose one or two.
        QVERIFY2(ticks.count() >= 3, qPrintable(QString::number(ticks.count())));
    }

    void rewardKeysActOnRelease() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QTest::keyPress(Form1->Button13, Qt::Key_F12, AllThree);
        QCOMPARE(Session->state().Wealth, 10000.0);
        QTest::keyRelease(Form1->Button13, Qt::Key_F12, AllThree);
        QTest::keyClick(Form1->Button2, Qt::Key_F12, AllThree);
        QTest::keyClick(Form1, Qt::Key_F12, AllThree);
        QCOMPARE(Session->state().Wealth, 40000.0);
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: 40000.00 €"));

        QTest::keyClick(Form1->Button13, Qt::Key_F12, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(Form1->Button13, Qt::Key_F11, Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(Session->state().Wealth, 40000.0);
        QVERIFY(!Session->state().Drinks[50].Known);

        // Holding the keys down repeats the release only as auto-repeat, which does not count.
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_F12, AllThree, QString(), true);
        QApplication::sendEvent(Form1->Button13, &repeated);
        QCOMPARE(Session->state().Wealth, 40000.0);
    }

    void rewardKeysTeachWithoutPuttingOnTheCard() {
        QTest::keyClick(Form1->Button12, Qt::Key_F11, AllThree | Qt::KeypadModifier);
        for (const TArticle& drink : Session->state().Drinks) {
            QVERIFY(drink.Known);
            QVERIFY(!drink.OnCard);
        }
        QTest::keyClick(Form1->Button12, Qt::Key_F10, AllThree);
        QTest::keyClick(Form1->Button12, Qt::Key_F9, AllThree);
        QVERIFY(Session->state().Wines[30].Known);
        QVERIFY(Session->state().Dishes[30].Known);
        QVERIFY(!Session->TimerEnabled());
    }

    void spielendeEndsTheProgramAtOnce() {
        QTest::mouseClick(Form1->Button1, Qt::LeftButton);
        QTest::mouseClick(Form1->Button13, Qt::LeftButton);
        QCOMPARE(run_->EndRequests, 1);
        QVERIFY(Session->Ending());
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Session->TimerEnabled());
        Session->SetTimerEnabled(true);
        QVERIFY2(!Session->TimerEnabled(), "nothing may restart the game once it ends");
    }

    void closingTheMainWindowEndsTheProgram() {
        Form1->hide();
        Form1->Button15->click(); // a dialog is open, as a player may leave one
        Form1->show();
        Form1->close();
        QCOMPARE(run_->EndRequests, 1);
        QVERIFY(!Form7->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
