// SPDX-License-Identifier: GPL-3.0-or-later
// Whether memory stays flat in a long session: the real windows play at "Schnell (3)" while the
// management dialogs are opened from the main window and closed by their title bar in turn,
// one change every CycleMilliseconds. Resident memory and heap in use are printed after 1, 10
// and 30 minutes of wall time; the growth from minute 1 to minute 30 should stay below 1 MB.
//
// KRUGHEIM_MEMORY_BENCH_SECONDS shortens (or lengthens) the run for a quick look; the three
// readings are then taken at 1/30, 1/3 and the whole of it. `make bench` runs it for a minute,
// `make soak` for the full 30 minutes.
//
// Run it offscreen (QT_QPA_PLATFORM=offscreen).
#include "full_pub.h"
#include "game/game_state.h"
#include "hurried_player.h"
#include "ui/form11_event.h"
#include "ui/form1_main.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int DefaultSeconds = 30 * 60;
constexpr int CycleMilliseconds = 100;

struct Reading {
    double Minutes = 0;
    double ResidentMb = 0;
    double HeapMb = 0;
    long WindowsShown = 0;
};

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

double HeapInUseMb() {
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1e6;
}

// The offscreen platform warns at every raise of a window; a long run would drown its figures.
void QuietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int RunSeconds() {
    const char* text = std::getenv("KRUGHEIM_MEMORY_BENCH_SECONDS");
    const int seconds = text ? std::atoi(text) : DefaultSeconds;
    return seconds > 0 ? seconds : DefaultSeconds;
}

// Answers what stops the game as soon as it is on the screen: OK on a message box, and on the
// event window whichever answer it offers until it closes.
class Answerer final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            PressOkSoon(box);
        else if (watched == Form11)
            QTimer::singleShot(0, this, [this] { AnswerEventUntilClosed(this); });
        return false;
    }
};

// Opens the next management dialog from the main window, or closes the open one by its title
// bar; waits while a message or an event has the player's attention.
class DialogCycle {
public:
    long WindowsShown = 0;

    void Step() {
        if (QApplication::activeModalWidget() || Form11->isVisible())
            return;
        if (open_) {
            open_->close();
            open_ = nullptr;
            return;
        }
        QPushButton* const buttons[] = {Form1->Button3,  Form1->Button4,  Form1->Button5,
                                        Form1->Button6,  Form1->Button7,  Form1->Button8,
                                        Form1->Button9,  Form1->Button10, Form1->Button15,
                                        Form1->Button16, Form1->Button17};
        QPushButton* button = buttons[next_++ % std::size(buttons)];
        button->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != Form1 && window->isVisible())
                open_ = window;
        ++WindowsShown;
    }

private:
    QWidget* open_ = nullptr;
    std::size_t next_ = 0;
};

void Print(const Reading& reading) {
    std::printf("%-28s %9.1f %12.2f MB %12.2f MB %10ld\n", "", reading.Minutes, reading.ResidentMb,
                reading.HeapMb, reading.WindowsShown);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietWarnings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    QApplication::setQuitOnLastWindowClosed(false);
    CreateForms();
    int endings = 0;
    Session->EndProgram = [&endings] { ++endings; };
    Answerer answerer;
    app.installEventFilter(&answerer);
    Form1->show();
    SetUpAFullPub();
    ChooseSpeed(SpeedFast);

    const double clockBefore = Session->state().GameClock;
    const int seconds = RunSeconds();
    const std::array<double, 3> fractions = {1.0 / 30, 1.0 / 3, 1.0};
    std::printf("Memory at \"Schnell (3)\" with the dialogs cycled, %d s of wall time\n", seconds);
    std::printf("%-28s %9s %15s %15s %10s\n", "", "minutes", "resident", "heap in use", "windows");
    std::array<Reading, 3> readings;
    DialogCycle cycle;
    QTimer cycleTimer;
    QObject::connect(&cycleTimer, &QTimer::timeout, [&cycle] { cycle.Step(); });
    cycleTimer.start(CycleMilliseconds);
    QElapsedTimer wall;
    wall.start();
    for (std::size_t i = 0; i < fractions.size(); ++i) {
        const auto due = static_cast<qint64>(fractions[i] * seconds * 1000);
        QTimer::singleShot(static_cast<int>(due - wall.elapsed()), Qt::PreciseTimer, [&, i] {
            readings[i] = {static_cast<double>(wall.elapsed()) / 60000, ResidentMb(), HeapInUseMb(),
                           cycle.WindowsShown};
            Print(readings[i]);
            if (i + 1 == fractions.size())
                QCoreApplication::exit(0);
        });
    }
    QApplication::exec();
    cycleTimer.stop();
    Form1->Timer1->stop();

    const double residentGrowth = readings[2].ResidentMb - readings[0].ResidentMb;
    const double heapGrowth = readings[2].HeapMb - readings[0].HeapMb;
    const long windows = readings[2].WindowsShown - readings[0].WindowsShown;
    std::printf("%-44s %12.2f MB %12s\n", "resident growth, first to last reading", residentGrowth,
                "< 1 MB");
    std::printf("%-44s %12.2f MB %12s\n", "heap growth, first to last reading", heapGrowth,
                "< 1 MB");
    std::printf("%-44s %12.0f B\n", "heap growth per window shown",
                windows > 0 ? heapGrowth * 1e6 / static_cast<double>(windows) : 0.0);
    std::printf("%-44s %12.2f\n", "game days played", Session->state().GameClock - clockBefore);
    app.removeEventFilter(&answerer);
    DestroyForms();
    return endings == 0 ? 0 : 1;
}
