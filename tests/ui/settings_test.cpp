// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/game_state.h"
#include "ui/form7_settings.h"
#include "ui/spin_edit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {
QLineEdit* Field(TSpinEdit* spinEdit) {
    return spinEdit->findChild<QLineEdit*>();
}

// Types into the field as a player would, after selecting its whole text.
void TypeInto(TSpinEdit* spinEdit, const QString& keys) {
    spinEdit->setFocus();
    Field(spinEdit)->selectAll();
    QTest::keyClicks(Field(spinEdit), keys);
}

void LeaveField() {
    Form7->CheckBox1->setFocus();
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() {
        run_ = std::make_unique<ProgramRun>();
        Form1->Button15Click();
        QVERIFY(QTest::qWaitForWindowActive(Form7));
    }
    void cleanup() { run_.reset(); }

    void showsTheDefaults() {
        QCOMPARE(Form7->windowTitle(), QStringLiteral("Einstellungen"));
        QCOMPARE(Form7->size(), QSize(309, 328));
        QCOMPARE(Form7->RadioGroup1->title(), QStringLiteral("Spielgeschwindigkeit:"));
        QCOMPARE(Form7->ItemIndex(), 1);
        QCOMPARE(Form7->RadioItems[3]->text(), QStringLiteral("Pause (0)"));
        QCOMPARE(Form7->SpinEdit1->Value(), 10);
        QCOMPARE(Form7->SpinEdit2->Value(), 20);
        QCOMPARE(Form7->SpinEdit3->Value(), 20);
        QVERIFY(Form7->CheckBox1->isChecked());
        QVERIFY(Form7->CheckBox2->isChecked());
        QCOMPARE(Form7->Label1->text(),
                 QStringLiteral("Gibt an, ab welchem \nLagerbestand eine Ware \nals knapp "
                                "gekennzeichnet \nwird."));
        QCOMPARE(Form7->Label1->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(Form7->CheckBox2->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(Form7->SpinEdit2->parentWidget(), Form7->GroupBox2);
        QCOMPARE(Form7->SpinEdit2->geometry(), QRect(34, 78, 51, 26));
        for (QLabel* help : {Form7->Label1, Form7->Label2, Form7->Label3})
            QVERIFY(help->geometry().right() < help->parentWidget()->width());
        QVERIFY(Form7->CheckBox1->fontMetrics().horizontalAdvance(Form7->CheckBox1->text()) <
                Form7->CheckBox1->width() - 16);
    }

    void speedChoiceSetsTheIntervalAndStartsTheTimer() {
        QVERIFY(!Session->TimerEnabled());
        QTest::mouseClick(Form7->RadioItems[0], Qt::LeftButton);
        QCOMPARE(Form1->Timer1->interval(), 1);
        QVERIFY2(Session->TimerEnabled(), "the choice starts the timer also before a game");
        QCOMPARE(Session->state().Controls.SpeedIndex, 0);

        QTest::mouseClick(Form7->RadioItems[3], Qt::LeftButton);
        QCOMPARE(Form1->Timer1->interval(), 500000000);
        QVERIFY(Session->TimerEnabled());
        QTest::mouseClick(Form7->RadioItems[2], Qt::LeftButton);
        QCOMPARE(Form1->Timer1->interval(), 1000);
        QCOMPARE(Session->state().Controls.SpeedIndex, 2);
    }

    void choosingTheSelectedEntryDoesNothing() {
        Session->SetTimerInterval(1);
        QTest::mouseClick(Form7->RadioItems[1], Qt::LeftButton);
        QCOMPARE(Form1->Timer1->interval(), 1);
        QVERIFY(!Session->TimerEnabled());
    }

    void typedNumberIsCorrectedWhenTheFieldIsLeft() {
        TypeInto(Form7->SpinEdit2, QStringLiteral("700"));
        QCOMPARE(Field(Form7->SpinEdit2)->text(), QStringLiteral("700"));
        QCOMPARE(Form7->SpinEdit2->Value(), 500);
        QCOMPARE(Session->state().Controls.CardOrderQuantity, 500);
        LeaveField();
        QCOMPARE(Field(Form7->SpinEdit2)->text(), QStringLiteral("500"));

        TypeInto(Form7->SpinEdit1, QStringLiteral("-5"));
        QCOMPARE(Session->state().Controls.MinStockLevel, 0);
        LeaveField();
        QCOMPARE(Field(Form7->SpinEdit1)->text(), QStringLiteral("0"));
    }

    void clearedFieldReadsAsItsMinimumAndStaysEmpty() {
        TypeInto(Form7->SpinEdit3, QString());
        QTest::keyClick(Field(Form7->SpinEdit3), Qt::Key_Backspace);
        QCOMPARE(Field(Form7->SpinEdit3)->text(), QString());
        QCOMPARE(Form7->SpinEdit3->Value(), 1);
        QCOMPARE(Session->state().Controls.StorageOrderQuantity, 1);
        LeaveField();
        QCOMPARE(Field(Form7->SpinEdit3)->text(), QString());

        TypeInto(Form7->SpinEdit3, QStringLiteral("1,5"));
        QCOMPARE(Field(Form7->SpinEdit3)->text(), QStringLiteral("1,5"));
        QCOMPARE(Form7->SpinEdit3->Value(), 1);
        TypeInto(Form7->SpinEdit3, QStringLiteral("+42"));
        QCOMPARE(Session->state().Controls.StorageOrderQuantity, 42);
    }

    void lettersAreRefused() {
        TypeInto(Form7->SpinEdit2, QStringLiteral("3a b.7"));
        QCOMPARE(Field(Form7->SpinEdit2)->text(), QStringLiteral("37"));
        QCOMPARE(Session->state().Controls.CardOrderQuantity, 37);
    }

    void arrowsStepWithinTheRange() {
        Form7->SpinEdit1->setFocus();
        QTest::keyClick(Form7->SpinEdit1, Qt::Key_Up);
        QCOMPARE(Form7->SpinEdit1->Value(), 11);
        Form7->SpinEdit1->SetValue(100);
        QTest::keyClick(Form7->SpinEdit1, Qt::Key_Up);
        QCOMPARE(Form7->SpinEdit1->Value(), 100);
        TypeInto(Form7->SpinEdit1, QStringLiteral("x"));
        Form7->SpinEdit1->SetValue(0);
        QTest::keyClick(Form7->SpinEdit1, Qt::Key_Down);
        QCOMPARE(Form7->SpinEdit1->Value(), 0);
        QCOMPARE(Session->state().Controls.MinStockLevel, 0);
    }

    void checkBoxesAreTheMessageSwitches() {
        QTest::mouseClick(Form7->CheckBox1, Qt::LeftButton);
        QVERIFY(!Session->state().Controls.NotifyOnDelivery);
        QVERIFY(Session->state().Controls.NotifyDeliveryTime);
        QTest::mouseClick(Form7->CheckBox2, Qt::LeftButton);
        QVERIFY(!Session->state().Controls.NotifyDeliveryTime);
    }

    void loadedValuesGoOntoTheControlsWithoutActing() {
        ControlValues values;
        values.SpeedIndex = -1;
        values.MinStockLevel = 55;
        values.CardOrderQuantity = 3;
        values.StorageOrderQuantity = 499;
        values.NotifyOnDelivery = false;
        values.NotifyDeliveryTime = true;
        Form7->ApplyControls(values);
        QCOMPARE(Form7->ItemIndex(), -1);
        for (QRadioButton* item : Form7->RadioItems)
            QVERIFY(!item->isChecked());
        QVERIFY(!Session->TimerEnabled());
        QCOMPARE(Form7->SpinEdit1->Value(), 55);
        QCOMPARE(Form7->SpinEdit3->Value(), 499);
        QVERIFY(!Form7->CheckBox1->isChecked());
        const ControlValues& game = Session->state().Controls;
        QCOMPARE(game.SpeedIndex, -1);
        QCOMPARE(game.CardOrderQuantity, 3);
        QVERIFY(!game.NotifyOnDelivery);

        // From no selection every entry is a new choice.
        QTest::mouseClick(Form7->RadioItems[1], Qt::LeftButton);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Session->state().Controls.SpeedIndex, 1);

        values.SpeedIndex = 3;
        Form7->ApplyControls(values);
        QCOMPARE(Form7->ItemIndex(), 3);
        QCOMPARE(Form1->Timer1->interval(), 400);
    }

    void closingShowsTheMainWindow() {
        QVERIFY(!Form1->isVisible());
        Form7->close();
        QVERIFY(!Form7->isVisible());
        QVERIFY(Form1->isVisible());
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
