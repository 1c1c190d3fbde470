// SPDX-License-Identifier: GPL-3.0-or-later
// The management dialogs as a player reaches them: from a new game through the main window's
// commands, up to the goals with the help of the reward keys.

#include "game/goals.h"
#include "tests/ui/ui_test_support.h"
#include "ui/form10_entertainment.h"
#include "ui/form11_event.h"
#include "ui/form12_bank.h"
#include "ui/form13_top_ten.h"
#include "ui/form16_goals.h"
#include "ui/form2_lease.h"
#include "ui/form3_staff.h"
#include "ui/form4_cards.h"
#include "ui/form7_settings.h"
#include "ui/form8_prices.h"
#include "ui/form9_storage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

void Close(QWidget* dialog) {
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(Form1->isVisible());
}

void StartAndLease() {
    Form1->Button1->click();
    Session->SetTimerInterval(500000000); // no tick while the test looks
    Form1->Button2->click();
    Form2->Button3->click();
    QVERIFY(Session->state().Leased() != nullptr);
    QVERIFY(Form1->Button4->isVisibleTo(Form1));
}

} // namespace

class DialogsFromMainWindow : public QObject {
    Q_OBJECT
private slots:
    // Each window answers to its own name, as its controls do.
    void everyWindowCarriesItsName() {
        ProgramRun run;
        const std::pair<QWidget*, const char*> windows[] = {
            {Form1, "Form1"},   {Form2, "Form2"},   {Form3, "Form3"},   {Form4, "Form4"},
            {Form5, "Form5"},   {Form6, "Form6"},   {Form7, "Form7"},   {Form8, "Form8"},
            {Form9, "Form9"},   {Form10, "Form10"}, {Form11, "Form11"}, {Form12, "Form12"},
            {Form13, "Form13"}, {Form16, "Form16"}};
        for (auto [window, name] : windows)
            QCOMPARE(window->objectName(), QLatin1String(name));
    }

    void everyCommandOpensItsDialog() {
        ProgramRun run;
        MessageAnswerer player;
        StartAndLease();
        GameState& state = Session->state();

        Form1->Button4->click();
        QVERIFY(!Form1->isVisible());
        QVERIFY(Form4->isVisible());
        QCOMPARE(Form4->CheckListBox1->count(), 20);
        QCOMPARE(Form4->Label2->text(), QStringLiteral("Ihnen sind 20 von 50 Getränken bekannt."));
        QCOMPARE(Form4->Label3->text(), Form1->Label1->text());
        Form4->Button1->click();
        QCOMPARE(Ticked(Form4->CheckListBox1).size(), 20);
        Close(Form4);

        Form1->Button5->click();
        QCOMPARE(Form5->Label2->text(), QStringLiteral("Ihnen sind 10 von 30 Speisen bekannt."));
        Close(Form5);
        Form1->Button6->click();
        QCOMPARE(Form6->Label2->text(), QStringLiteral("Ihnen sind 10 von 30 Weinen bekannt."));
        Close(Form6);

        Form1->Button10->click();
        QVERIFY(Form8->isVisible());
        Form8->ComboBox1->setCurrentIndex(0);
        QCOMPARE(Form8->ListBox1->count(), 20);
        Close(Form8);

        Form1->Button16->click();
        QVERIFY(ShowAndPaint(Form9));
        QCOMPARE(Form9->ListBox1->count(), 0);
        QCOMPARE(Form9->ListBox2->count(), 20);
        Close(Form9);

        Form1->Button7->click();
        QVERIFY(ShowAndPaint(Form3));
        QCOMPARE(Form3->Label4->text(),
                 QString::fromStdString(state.StaffPool[state.StaffCursor].Name.ToUtf8()));
        Close(Form3);

        Form1->Button9->click();
        QVERIFY(Form10->Button1->isEnabled());
        QVERIFY(Form10->Button2->isEnabled());
        Close(Form10);

        Form1->Button8->click();
        QVERIFY(ShowAndPaint(Form12));
        QCOMPARE(Form12->Label1->text(), Form1->Label1->text());
        QVERIFY(Form12->CreditLimit() > state.Wealth);
        Close(Form12);

        Form1->Button3->click();
        QVERIFY(ShowAndPaint(Form13));
        QCOMPARE(Form13->Memo1->toPlainText().split(QLatin1Char('\n')).size(), 10);
        Close(Form13);
        QVERIFY(player.Texts.isEmpty());
    }

    void rewardKeysLeadToTheGoals() {
        ProgramRun run;
        MessageAnswerer player;
        StartAndLease();
        const Qt::KeyboardModifiers all = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        for (const int key : {Qt::Key_F9, Qt::Key_F10, Qt::Key_F11})
            Form1->FormKeyUp(key, all);
        for (int i = 0; i < 12; ++i)
            Form1->FormKeyUp(Qt::Key_F12, all);

        for (QPushButton* open : {Form1->Button4, Form1->Button5, Form1->Button6}) {
            open->click();
            TCardForm* card = open == Form1->Button4   ? static_cast<TCardForm*>(Form4)
                              : open == Form1->Button5 ? static_cast<TCardForm*>(Form5)
                                                       : static_cast<TCardForm*>(Form6);
            card->Button1->click();
            QCOMPARE(Ticked(card->CheckListBox1).size(), card->CheckListBox1->count());
            Close(card);
        }
        QVERIFY(player.Texts.isEmpty());
        QVERIFY(GoalsReached(Session->state()));
    }

    // Enter and the keypad's Enter press the focused button of every game window.
    void enterPressesTheFocusedButton() {
        ProgramRun run;
        StartAndLease();
        MessageAnswerer player;
        Form1->SaveDialog1 = [] { return QString(); }; // "Speichern", cancelled
        const std::pair<QWidget*, QPushButton*> windows[] = {
            {Form1, Form1->Button11},  {Form2, Form2->Button1},   {Form3, Form3->Button2},
            {Form4, Form4->Button1},   {Form8, Form8->Button1},   {Form9, Form9->Button2},
            {Form10, Form10->Button2}, {Form11, Form11->Button3}, {Form12, Form12->Button1}};
        Session->state().Wealth = 0; // the entertainment is refused, its button stays
        const auto press = [](QWidget* window, QPushButton* button, Qt::Key key,
                              Qt::KeyboardModifiers modifiers) {
            window->show(); // a press may have closed it
            button->show();
            button->setFocus();
            QTest::keyClick(button, key, modifiers);
        };
        for (auto [window, button] : windows) {
            QSignalSpy pressed(button, &QPushButton::clicked);
            press(window, button, Qt::Key_Return, Qt::NoModifier);
            press(window, button, Qt::Key_Enter, Qt::KeypadModifier);
            press(window, button, Qt::Key_Return, Qt::ControlModifier); // no plain Enter
            QVERIFY2(pressed.count() == 2, qPrintable(window->windowTitle()));
            window->hide();
        }
    }
};

QTEST_MAIN(DialogsFromMainWindow)
#include "dialogs_from_main_window_test.moc"
