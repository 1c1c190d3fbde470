// SPDX-License-Identifier: GPL-3.0-or-later
// The game by keyboard alone: every key goes to the window that has the focus, as a keyboard's
// would. Escape closes dialogs, Tab walks the windows row by row, Return presses what it should,
// and a whole game from its start to a saved file needs no mouse.

#include "game/prices.h"
#include "persistence/save_game.h"
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
#include "ui/names.h"
#include "ui/spin_edit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QWindow* FocusedWindow() {
    return QGuiApplication::focusWindow();
}

// A key pressed and released on the keyboard: it goes to the window that has the focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWindow* window = FocusedWindow();
    QVERIFY(window);
    QTest::keyClick(window, key, modifiers);
}

void Type(const char* text) {
    for (const char* c = text; *c; ++c)
        QTest::keyClick(FocusedWindow(), *c);
}

// Tab until `control` has the focus.
void TabTo(QWidget* control) {
    for (int presses = 0; presses < 40 && QApplication::focusWidget() != control; ++presses)
        Press(Qt::Key_Tab);
    QVERIFY2(QApplication::focusWidget() == control, qPrintable(control->objectName()));
}

[[nodiscard]] bool Active(QWidget* window) {
    return QTest::qWaitForWindowActive(window);
}

// Answers each message box with Return, as a player at the keyboard does.
class KeyboardAnswerer final : public QObject {
public:
    QStringList Texts;
    KeyboardAnswerer() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->windowHandle() != FocusedWindow())
                return;
            Texts << box->text();
            QTest::keyClick(box->windowHandle(), Qt::Key_Return);
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

// The place of a control in its window.
QPoint PlaceInWindow(const QWidget* control) {
    return control->mapTo(control->window(), QPoint(0, 0));
}

// Whether `b` follows `a` when the window is read row by row: further down, or on the same row
// further right.
bool ReadAfter(const QWidget* a, const QWidget* b) {
    constexpr int SameRow = 10;
    const QPoint pa = PlaceInWindow(a);
    const QPoint pb = PlaceInWindow(b);
    if (std::abs(pa.y() - pb.y()) <= SameRow)
        return pb.x() > pa.x();
    return pb.y() > pa.y();
}

// The controls Tab visits, from the window's first one until it comes round again.
QList<QWidget*> TabCycle(QWidget* window) {
    QList<QWidget*> visited;
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || visited.contains(focus))
            break;
        visited << focus;
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    }
    return visited;
}

void StartLeasedGame() {
    Form1->Button1->click();
    Session->SetTimerInterval(500000000); // no tick while the test looks
    Form1->Button2->click();
    Form2->Button3->click();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;

private slots:
    void init() { run_ = std::make_unique<ProgramRun>(); }
    void cleanup() { run_.reset(); }

    // Escape is the title bar's close button of every management dialog: its close handler
    // runs and the main window comes back.
    void escapeClosesEveryManagementDialog() {
        StartLeasedGame();
        MessageAnswerer player;
        const std::pair<QPushButton*, QWidget*> commands[] = {
            {Form1->Button7, Form3},  {Form1->Button4, Form4},   {Form1->Button5, Form5},
            {Form1->Button6, Form6},  {Form1->Button15, Form7},  {Form1->Button10, Form8},
            {Form1->Button16, Form9}, {Form1->Button9, Form10},  {Form1->Button8, Form12},
            {Form1->Button3, Form13}, {Form1->Button17, Form16}, {Form1->Button2, Form2}};
        Form1->Button2->setEnabled(true); // the lease dialog once more, to see its close step
        for (auto [command, dialog] : commands) {
            QSignalSpy closed(static_cast<TDialogForm*>(dialog), &TDialogForm::Closed);
            command->click();
            QVERIFY(Active(dialog));
            Press(Qt::Key_Escape);
            QVERIFY2(!dialog->isVisible(), qPrintable(dialog->windowTitle()));
            QCOMPARE(closed.count(), 1);
            QVERIFY(Form1->isVisible());
        }
        // The lease dialog's close step disabled "Kneipe pachten" again.
        QVERIFY(!Form1->Button2->isEnabled());
        QVERIFY(player.Texts.isEmpty());
    }

    void escapeNeitherAnswersAnEventNorEndsTheGame() {
        StartLeasedGame();
        QVERIFY(Active(Form1));
        Press(Qt::Key_Escape);
        QVERIFY(Form1->isVisible());
        QCOMPARE(run_->EndRequests, 0);

        run_->Rng.EventRoll = 0;
        Session->RunTick();
        run_->Rng.EventRoll = ControlledRandom::EventRollRange - 1;
        QVERIFY(Active(Form11));
        Press(Qt::Key_Escape);
        QVERIFY(Form11->isVisible());
        QVERIFY(!Session->TimerEnabled());
    }

    // Tab reads every window row by row; only the main window keeps the order of its button
    // numbers, which its design fixes.
    void tabFollowsTheScreenRowByRow() {
        StartLeasedGame();
        Form11->ShowView();
        for (QPushButton* answer : {Form11->Button1, Form11->Button2, Form11->Button3})
            answer->show();
        for (QWidget* window :
             QList<QWidget*>{Form2, Form3, Form4, Form7, Form8, Form9, Form10, Form11, Form12}) {
            Form1->hide();
            window->show();
            QVERIFY(Active(window));
            const QList<QWidget*> cycle = TabCycle(window);
            QVERIFY2(cycle.size() >= 2, qPrintable(window->windowTitle()));
            // Wherever the cycle starts, it reads in order once turned to its first control.
            int start = 0;
            for (int i = 1; i < cycle.size(); ++i)
                if (ReadAfter(cycle[i], cycle[start]))
                    start = i;
            QStringList order;
            for (int i = 0; i < cycle.size(); ++i)
                order << cycle[(start + i) % cycle.size()]->objectName();
            for (int i = 1; i < cycle.size(); ++i)
                QVERIFY2(
                    ReadAfter(cycle[(start + i - 1) % cycle.size()],
                              cycle[(start + i) % cycle.size()]),
                    qPrintable(window->windowTitle() + QStringLiteral(": ") + order.join(u' ')));
            window->hide();
        }
        Form1->show();
        QVERIFY(Active(Form1));
        for (QPushButton* disabled : {Form1->Button1, Form1->Button2})
            disabled->setEnabled(true);
        Form1->Button1->setFocus();
        QStringList mainOrder;
        for (QWidget* control : TabCycle(Form1))
            mainOrder << control->objectName();
        QCOMPARE(mainOrder,
                 QStringList({"Button1", "Button2", "Button3", "Button4", "Button5", "Button6",
                              "Button7", "Button8", "Button9", "Button10", "Button11", "Button12",
                              "Button13", "Button15", "Button16", "Button17"}));
    }

    // Return in an amount field presses its own "OK", with the amount brought into range first.
    void returnInTheBankFieldsPressesTheirOk() {
        StartLeasedGame();
        KeyboardAnswerer player;
        Form1->Button8->click();
        QVERIFY(Active(Form12));
        Form12->SpinEdit1->setFocus();
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("2500");
        Press(Qt::Key_Return);
        QCOMPARE(Session->state().Debt, 2500.0);
        Form12->SpinEdit2->setFocus();
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("999999999"); // beyond the range: repays the most, which is more than the debt
        Press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Form12->SpinEdit2->text(), QStringLiteral("100000000"));
        QTRY_COMPARE(player.Texts.size(), 1);
        QCOMPARE(Session->state().Debt, 2500.0);
        QVERIFY(Active(Form12));
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("500");
        Press(Qt::Key_Return);
        QCOMPARE(Session->state().Debt, 2000.0);
        QVERIFY(Form12->isVisible());
    }

    // Start, lease, hire, put an article on a card, set its price, reorder, borrow and save:
    // keys only.
    void aWholeGameByKeyboard() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("spiel.krg"));
        Form1->SaveDialog1 = [path] { return path; };
        KeyboardAnswerer player;
        GameState& state = Session->state();

        QVERIFY(Active(Form1));
        TabTo(Form1->Button1);
        Press(Qt::Key_Return); // "Spiel starten"
        QVERIFY(Session->TimerEnabled());
        Press(Qt::Key_0); // no tick while the player types
        QCOMPARE(Session->Timer()->interval(), 500000000);

        TabTo(Form1->Button2);
        Press(Qt::Key_Return); // "Kneipe pachten"
        QVERIFY(Active(Form2));
        TabTo(Form2->Button3);
        Press(Qt::Key_Space); // "Pachten"
        QCOMPARE(state.LeasedLocation, 1);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button7);
        Press(Qt::Key_Return); // "Personal"
        QVERIFY(Active(Form3));
        TabTo(Form3->Button3);
        Press(Qt::Key_Return); // "Einstellen"
        QVERIFY(state.StaffPool[1].Employed);
        Press(Qt::Key_Escape);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button4);
        Press(Qt::Key_Return); // "Getränkekarte"
        QVERIFY(Active(Form4));
        TabTo(Form4->CheckListBox1);
        Press(Qt::Key_Down);
        Press(Qt::Key_Space); // ticks the first drink
        const QString drink = Form4->CheckListBox1->currentItem()->text();
        const int index = FindArticleByName(state, ArticleKind::Drink, drink.toStdString());
        QVERIFY(index > 0);
        const TArticle& article = Article(state, ArticleKind::Drink, index);
        QVERIFY(article.OnCard);
        Press(Qt::Key_Escape);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button10);
        Press(Qt::Key_Return); // "Preise"
        QVERIFY(Active(Form8));
        TabTo(Form8->ComboBox1);
        Press(Qt::Key_Down); // "Getränke"
        TabTo(Form8->ListBox1);
        Press(Qt::Key_Space); // selects the entry the focus is on
        TabTo(Form8->Edit1);
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("3,5");
        QCOMPARE(Form8->Label7->text(), drink);
        QCOMPARE(Form8->Edit1->text(), QStringLiteral("3,5"));
        TabTo(Form8->Button1);
        Press(Qt::Key_Space); // "Preis festlegen"
        QCOMPARE(article.SalePrice, 3.5);
        Press(Qt::Key_Escape);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button16);
        Press(Qt::Key_Return); // "Lager"
        QVERIFY(Active(Form9));
        QTRY_COMPARE(Form9->ListBox2->count(), 1); // 20 in stock, above the minimum
        TabTo(Form9->ListBox2);
        Press(Qt::Key_Space);
        TabTo(Form9->Button2);
        Press(Qt::Key_Return); // "Nachbestellen", with its notice
        QTRY_COMPARE(player.Texts.size(), 1);
        QVERIFY(player.Texts.front().startsWith(QStringLiteral("Getränk \"") + drink +
                                                QStringLiteral("\" wurde nachbestellt.")));
        QVERIFY(Active(Form9));
        Press(Qt::Key_Escape);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button8);
        Press(Qt::Key_Return); // "Bank"
        QVERIFY(Active(Form12));
        TabTo(Form12->SpinEdit1);
        Press(Qt::Key_A, Qt::ControlModifier);
        Type("1000");
        Press(Qt::Key_Return); // "OK" of "Kredit aufnehmen"
        QCOMPARE(state.Debt, 1000.0);
        Press(Qt::Key_Escape);
        QVERIFY(Active(Form1));

        TabTo(Form1->Button11);
        Press(Qt::Key_Return); // "Speichern"
        QCOMPARE(QFileInfo(path).size(), 14456);
        const LoadResult saved = ReadSavedGame(QFile::encodeName(path).toStdString(), {});
        QVERIFY(saved.Ok);
        QCOMPARE(saved.Game.Debt, 1000.0);
        QCOMPARE(saved.Game.LeasedLocation, 1);
        QVERIFY(saved.Game.StaffPool[1].Employed);
        QCOMPARE(Article(saved.Game, ArticleKind::Drink, index).SalePrice, 3.5);
        QCOMPARE(Article(saved.Game, ArticleKind::Drink, index).DeliveryMinutes,
                 article.DeliveryMinutes);
        QCOMPARE(player.Texts.size(), 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
