// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared helpers of the window tests. Every test file is its own program, so this header
// carries everything inline.

#include "game/random.h"
#include "ui/form1_main.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

// The game's generator with a fixed seed; the event roll (the only draw of range 1440) returns
// EventRoll, so no random event interrupts a test unless it asks for one.
class ControlledRandom final : public RandomSource {
public:
    static constexpr int EventRollRange = 1440;
    int EventRoll = EventRollRange - 1;

    int Random(int n) override { return n == EventRollRange ? EventRoll : inner_.Random(n); }
    void Randomize() override {}

private:
    GameRandom inner_{20261207};
};

// Answers every message box of the game while it lives: records the text, runs OnMessage with
// the box still open (as if the player looked at it for a while), then presses OK.
class MessageAnswerer final : public QObject {
public:
    QStringList Texts;
    std::function<void(const QString&)> OnMessage;

    MessageAnswerer() { ScheduleLook(); }

private:
    // Every look is a timer of its own and the next one is set before a box is answered: Qt
    // does not fire a timer again while its own handler runs, and a box may open while the
    // handler waits on another.
    void ScheduleLook() {
        QTimer::singleShot(2, this, [this] {
            ScheduleLook();
            AnswerOpenBox();
        });
    }

    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || handling_.contains(box))
            return;
        handling_.insert(box); // a box opened while this one waits is answered as well
        const QString text = box->text();
        Texts << text;
        if (box->windowTitle() != QStringLiteral("Das Krugheim"))
            Texts << QStringLiteral("<wrong title: %1>").arg(box->windowTitle());
        if (OnMessage)
            OnMessage(text);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        handling_.remove(box);
    }

    QSet<QMessageBox*> handling_;
};

// A whole program run: all windows created in their order with the controlled generator, the
// main window shown. Ending the program is recorded instead of leaving the test's process.
class ProgramRun {
public:
    ControlledRandom Rng;
    int EndRequests = 0;

    // With `realEnd` the program's own ending (leaving the event loop) stays in place.
    explicit ProgramRun(bool realEnd = false) {
        CreateForms(&Rng);
        if (!realEnd)
            Session->EndProgram = [this] { ++EndRequests; };
        Form1->show();
    }
    ~ProgramRun() { DestroyForms(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
};

// For the management dialogs: a fresh program with 10000 € and articles named "Getränk 1",
// "Wein 1", "Speise 1" and so on; nothing is known, on a card or in stock. DestroyForms() ends it.
inline void StartProgram(RandomSource* rng = nullptr) {
    CreateForms(rng);
    GameState& state = Session->state();
    state.Wealth = 10000;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const char* prefix = kind == ArticleKind::Drink  ? "Getränk "
                                 : kind == ArticleKind::Wine ? "Wein "
                                                             : "Speise ";
            Article(state, kind, i).Name = ShortString50::FromUtf8(prefix + std::to_string(i));
        }
}

inline void PutAllOnCard(GameState& state) {
    for (ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i)
            Article(state, kind, i).OnCard = true;
}

inline void SetName(TArticle& article, const char* utf8Name) {
    article.Name = ShortString50::FromUtf8(utf8Name);
}

// Runs the event loop for a while as the program does. QTest::qWait naps 10 ms between its
// rounds, which a 1 ms timer would notice.
inline void RunEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Paints a window now, and lets what its paint asked for run.
inline void Repaint(QWidget* window) {
    window->repaint();
    QCoreApplication::processEvents();
}

// Shows a window and paints it once it is on the screen, as the windowing system would.
[[nodiscard]] inline bool ShowAndPaint(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    Repaint(window);
    return true;
}

inline QString Money(const char* amount) {
    return QStringLiteral("Vermögen: ") + QLatin1String(amount) + QStringLiteral(" €");
}

// The main window's buttons of a game with a leased pub, sorted by name.
inline const QStringList ManagementButtons = {"Button10", "Button16", "Button3",
                                              "Button4",  "Button5",  "Button6",
                                              "Button7",  "Button8",  "Button9"};

// Names of the main window's buttons that are visible, sorted.
inline QStringList VisibleButtons() {
    QStringList names;
    for (auto* button : Form1->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(Form1))
            names << button->objectName();
    names.sort();
    return names;
}

inline QStringList Entries(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

inline QStringList Ticked(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            names << list->item(row)->text();
    return names;
}
