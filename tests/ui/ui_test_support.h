#pragma once

// Shared helpers of the window tests. Every test file is its own program, so this header
// carries everything inline.

#include "game/random.h"
#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

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
            Form1->EndProgram = [this] { ++EndRequests; };
        Form1->show();
    }
    ~ProgramRun() { DestroyForms(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
};

inline QString LabelText(QWidget* form, const char* name) {
    auto* label = form->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// Names of the main window's buttons that are visible, in creation order.
inline QStringList VisibleButtons() {
    QStringList names;
    for (auto* button : Form1->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(Form1))
            names << button->objectName();
    names.sort();
    return names;
}
