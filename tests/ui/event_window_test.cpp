// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/events.h"
#include "ui/form11_event.h"
#include "ui/form7_settings.h"

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
