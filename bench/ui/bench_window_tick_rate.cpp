// How many ticks a second the real main window achieves at "Schnell (3)", whose timer asks
// for one every millisecond, and how much processor time it takes.
//
// The game is set up as a player would have it: "Spiel starten", a pub leased through the
// lease dialog, every article made known by the reward keys and put on the cards, the whole
// staff employed, money from the reward key, delivery notices off, then "Schnell (3)" chosen
// in the settings. One article stays off its card, so that the goals are not reached. The
// main window then stays on the screen for five seconds of wall time. Rent notices at the day
// ends and random events stop the timer as in play; they are answered at once and counted.
//
// Run it offscreen (QT_QPA_PLATFORM=offscreen).
#include "game/game_state.h"
#include "ui/form11_event.h"
#include "ui/form1_main.h"
#include "ui/form2_lease.h"
#include "ui/form7_settings.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int MeasuredMilliseconds = 5000;
constexpr int ReferenceMilliseconds = 2000;
// A gap this long between two ticks means the timer was off (a message box, an event).
constexpr double StoppedGapMs = 5;
constexpr int PlentyOfStock = 1000000000;

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Answers what stops the game as soon as it is on the screen: OK on a message box, and on the
// event window whichever answer it offers ("OK", else "Nein", else "Ja") until it closes.
class Answerer final : public QObject {
public:
    int Messages = 0;
    int Events = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            ++Messages;
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        } else if (watched == Form11) {
            ++Events;
            QTimer::singleShot(0, this, [this] { AnswerEvent(); });
        }
        return false;
    }

private:
    void AnswerEvent() {
        if (!Form11->isVisible())
            return;
        QPushButton* answer = Form11->Button3->isVisibleTo(Form11)   ? Form11->Button3
                              : Form11->Button2->isVisibleTo(Form11) ? Form11->Button2
                                                                     : Form11->Button1;
        answer->click();
        QTimer::singleShot(0, this, [this] { AnswerEvent(); });
    }
};

// When each tick ended, in milliseconds since the start of the measurement.
class TickLog {
public:
    explicit TickLog(const QElapsedTimer& clock) : clock_(clock) { stamps_.reserve(8192); }

    void Note() { stamps_.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6); }
    int Count() const { return static_cast<int>(stamps_.size()); }

    struct Summary {
        double MedianMs = 0;
        double P99Ms = 0;
        double StoppedMs = 0; // sum of the gaps of StoppedGapMs and more
    };
    Summary Summarise() const {
        std::vector<double> gaps;
        for (std::size_t i = 1; i < stamps_.size(); ++i)
            gaps.push_back(stamps_[i] - stamps_[i - 1]);
        Summary summary;
        if (gaps.empty())
            return summary;
        for (double gap : gaps)
            summary.StoppedMs += gap >= StoppedGapMs ? gap : 0;
        std::sort(gaps.begin(), gaps.end());
        summary.MedianMs = gaps[gaps.size() / 2];
        summary.P99Ms = gaps[gaps.size() * 99 / 100];
        return summary;
    }

private:
    const QElapsedTimer& clock_;
    std::vector<double> stamps_;
};

// What a 1 ms timer with nothing to do achieves on this machine: the ceiling for the game.
double BareTimerRate() {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    int firings = 0;
    QObject::connect(&timer, &QTimer::timeout, [&firings] { ++firings; });
    QElapsedTimer wall;
    wall.start();
    timer.start();
    QTimer::singleShot(ReferenceMilliseconds, Qt::PreciseTimer, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    return firings / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

void PressRewardKey(int key) {
    Form1->FormKeyUp(key, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
}

void LeaseAPub() {
    Form1->Button2->click();
    Form2->Button3->click(); // "Pachten" the first location shown
}

// All but one article on the cards with stock for good and a margin of 1.50 each.
void FillTheCards(GameState& state) {
    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            TArticle& article = Article(state, kind, i);
            article.OnCard = true;
            article.SalePrice = article.PurchasePrice + 1.5;
            article.Stock = PlentyOfStock;
        }
    }
    state.Dishes[DishCount].OnCard = false;
}

// The game's generator, counting the ticks: every tick draws its event roll exactly once.
class TickCountingRandom final : public RandomSource {
public:
    int Ticks = 0;
    int Random(int n) override {
        if (n == 1440)
            ++Ticks;
        return inner_.Random(n);
    }
    void Randomize() override { inner_.Randomize(); }

private:
    GameRandom inner_;
};

void SetUpTheGame() {
    Form1->Button1->click(); // "Spiel starten"
    LeaseAPub();
    for (int key : {Qt::Key_F9, Qt::Key_F10, Qt::Key_F11})
        PressRewardKey(key);
    for (int i = 0; i < 10; ++i)
        PressRewardKey(Qt::Key_F12);
    GameState& state = Form1->state();
    FillTheCards(state);
    for (TStaffMember& member : state.StaffPool)
        member.Employed = true;
    Form1->vermoegenanzeigen();
}

void ChooseFastSpeed() {
    Form1->Button15->click(); // "Einstellungen"
    Form7->CheckBox1->setChecked(false);
    Form7->RadioItems[SpeedFast]->click();
    Form7->FormClose();
}

void WaitUntilExposed(QWidget* window) {
    while (!(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    QApplication::setQuitOnLastWindowClosed(false);
    const double bareRate = BareTimerRate();
    TickCountingRandom rng;
    CreateForms(&rng);
    int endings = 0;
    Form1->EndProgram = [&endings] { ++endings; };
    Answerer answerer;
    app.installEventFilter(&answerer);
    Form1->show();
    WaitUntilExposed(Form1);

    SetUpTheGame();
    QElapsedTimer wall;
    TickLog ticks(wall);
    QObject::connect(Form1->Timer1, &QTimer::timeout, [&ticks] { ticks.Note(); });
    const double clockBefore = Form1->state().GameClock;
    wall.start();
    const double cpuBefore = CpuSeconds();
    ChooseFastSpeed();
    const int ticksBefore = rng.Ticks;
    QTimer::singleShot(MeasuredMilliseconds, Qt::PreciseTimer, [] {
        Form1->Timer1->stop();
        QCoreApplication::exit(0);
    });
    QApplication::exec();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const double gameDays = Form1->state().GameClock - clockBefore;
    const TickLog::Summary summary = ticks.Summarise();
    const int gameTicks = rng.Ticks - ticksBefore;
    const double running = seconds - summary.StoppedMs / 1000;

    std::printf("%-44s %12s %12s\n", "Main window at \"Schnell (3)\"", "measured", "target");
    std::printf("%-44s %12.0f %12s\n", "ticks per second", gameTicks / seconds, ">= 950");
    std::printf("%-44s %12.0f %12s\n", "  while the timer ran", gameTicks / running, "");
    std::printf("%-44s %12.0f %12s\n", "timer firings per second", ticks.Count() / seconds, "");
    std::printf("%-44s %12.0f %12s\n", "  a bare 1 ms timer on this machine", bareRate, "");
    std::printf("%-44s %12d %12s\n", "ticks", gameTicks, "");
    std::printf("%-44s %10.2f s %12s\n", "wall time", seconds, "");
    std::printf("%-44s %10.2f s %12s\n", "  timer off for messages and events",
                summary.StoppedMs / 1000, "");
    std::printf("%-44s %9.3f ms %12s\n", "time between firings, median", summary.MedianMs, "");
    std::printf("%-44s %9.3f ms %12s\n", "time between firings, 99th percentile", summary.P99Ms,
                "");
    std::printf("%-44s %10.2f s %12s\n", "processor time", cpu, "");
    std::printf("%-44s %10.0f %% %12s\n", "processor load", 100 * cpu / seconds, "");
    std::printf("%-44s %9.0f us %12s\n", "processor time per tick", 1e6 * cpu / gameTicks, "");
    std::printf("%-44s %12.2f %12s\n", "game days played", gameDays, "");
    std::printf("%-44s %12d %12s\n", "message boxes answered", answerer.Messages, "");
    std::printf("%-44s %12d %12s\n", "events answered", answerer.Events, "");
    app.removeEventFilter(&answerer);
    DestroyForms();
    return endings == 0 ? 0 : 1;
}
