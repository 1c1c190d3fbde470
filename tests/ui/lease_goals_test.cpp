// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/game_state.h"
#include "ui/form16_goals.h"
#include "ui/form2_lease.h"

namespace {
QColor TextColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

const QColor Lime(0, 255, 0);
const QColor Red(255, 0, 0);
} // namespace

class LeaseGoalsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    void leaseDialogShowsTheLocationAtTheCursor() {
        Form1->Button1Click();
        TLocation& third = Session->state().Locations[3];
        third.Name = ShortString50::FromUtf8("Möbelzentrum");
        third.PotentialCustomers = 12345;
        third.RentPerDay = 523;
        Form1->Button2Click();
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Kneipe pachten"));
        QCOMPARE(Form2->size(), QSize(254, 130));
        QCOMPARE(Form2->Label3->text(), QStringLiteral("Pacht pro Tag:"));
        QVERIFY(Form2->Label3->font().bold());
        QVERIFY(Form2->Label6->font().bold());

        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QCOMPARE(Form2->Label4->text(), QStringLiteral("Möbelzentrum"));
        QCOMPARE(Form2->Label5->text(), QStringLiteral("12345"));
        QCOMPARE(Form2->Label6->text(), QStringLiteral("523 €"));
        QVERIFY(Form2->Button3->isVisible());

        third.Leased = true;
        QVERIFY(QTest::qWaitForWindowExposed(Form2));
        Form2->repaint();
        QTRY_VERIFY(!Form2->Button3->isVisible());
    }

    void pagingStopsAtBothEnds() {
        Form1->Button1Click();
        Form1->Button2Click();
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QCOMPARE(Session->state().LocationCursor, 1);
        for (int i = 0; i < 35; ++i)
            QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QCOMPARE(Session->state().LocationCursor, 30);
        QCOMPARE(Form2->Label4->text(),
                 QString::fromStdString(Session->state().Locations[30].Name.ToUtf8()));
    }

    void damagedCursorIsNeverUsedAsIndex() {
        Form1->Button1Click();
        Session->state().LocationCursor = 31;
        Form1->Button2Click();
        QCOMPARE(Form2->Label4->text(),
                 QString::fromStdString(Session->state().Locations[30].Name.ToUtf8()));
        Session->state().LocationCursor = -4;
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);
        QVERIFY(Session->state().Locations[1].Leased);
        QCOMPARE(Session->state().LeasedLocation, 1);
    }

    void leasingRecordsTheClock() {
        Form1->Button1Click();
        Form1->Button2Click();
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);
        QCOMPARE(Session->state().Locations[1].LeaseDate, Session->state().GameClock);
        QVERIFY(!Form2->isVisible());
        QVERIFY(!Form1->Button2->isEnabled());
        QVERIFY(Form1->Button9->isVisible());
    }

    void goalsShowTheirCaptionsAndStates() {
        Form1->Button17Click();
        QVERIFY(Form16->isVisible());
        QCOMPARE(Form16->size(), QSize(355, 123));
        QCOMPARE(Form16->Label4->text(),
                 QStringLiteral("Erwirtschaften Sie 100.000 € (ohne Schulden):"));
        for (QLabel* state : {Form16->Label5, Form16->Label6, Form16->Label7, Form16->Label8}) {
            QCOMPARE(state->text(), QStringLiteral("nicht erfüllt!"));
            QCOMPARE(TextColour(state), Red);
        }
        // Captions end at one edge, states start after it and fit the window.
        const int edge = Form16->Label1->geometry().right();
        for (QLabel* caption : {Form16->Label1, Form16->Label2, Form16->Label3, Form16->Label4}) {
            QCOMPARE(caption->geometry().right(), edge);
            QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
        }
        QVERIFY(Form16->Label5->x() > edge);
        QVERIFY(Form16->Label5->x() + Form16->Label5->fontMetrics().horizontalAdvance(
                                          QStringLiteral("nicht erfüllt!")) <=
                Form16->width());
    }

    void goalsFollowTheStateAtEveryPaint() {
        GameState& state = Session->state();
        PutAllOnCard(state);
        state.Drinks[50].OnCard = false;
        state.Wealth = 150000;
        state.Debt = 60000;
        Form1->Button17Click();
        QCOMPARE(Form16->Label5->text(), QStringLiteral("nicht erfüllt!"));
        QCOMPARE(Form16->Label6->text(), QStringLiteral("erfüllt!"));
        QCOMPARE(TextColour(Form16->Label6), Lime);
        QCOMPARE(Form16->Label8->text(), QStringLiteral("nicht erfüllt!"));

        state.Drinks[50].OnCard = true;
        state.Debt = 50000;
        state.Wines[7].OnCard = false;
        QVERIFY(QTest::qWaitForWindowExposed(Form16));
        Form16->repaint();
        QTRY_COMPARE(Form16->Label5->text(), QStringLiteral("erfüllt!"));
        QCOMPARE(TextColour(Form16->Label5), Lime);
        QCOMPARE(Form16->Label6->text(), QStringLiteral("nicht erfüllt!"));
        QCOMPARE(TextColour(Form16->Label6), Red);
        QCOMPARE(Form16->Label8->text(), QStringLiteral("erfüllt!"));

        Form16->close();
        QVERIFY(Form1->isVisible());
    }
};

QTEST_MAIN(LeaseGoalsTest)
#include "lease_goals_test.moc"
