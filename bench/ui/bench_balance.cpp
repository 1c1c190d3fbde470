// SPDX-License-Identifier: GPL-3.0-or-later
// The books window ("Bilanz") in the real window, offscreen: what following the game costs per
// screen frame on each tab, what a day's close costs the charts, and the memory the window
// takes. The books hold 10,000 closed days of a busy pub, as a long game does.
//
// A frame's figure is the window reading the books after a sale and painting what changed;
// the game itself reads the window no more than once per frame. Run it offscreen
// (QT_QPA_PLATFORM=offscreen).
#include "game/booking.h"
#include "game/cards.h"
#include "ui/balance_form.h"
#include "ui/balance_history.h"
#include "ui/form1_main.h"
#include "ui/forms.h"
#include "ui/game_session.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int Days = 10000;
constexpr int SalesPerDay = 300;

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void ShowAndWait(QWidget* window) {
    window->show();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
}

// Every article on its card and sold every day: the articles' table has all 110 rows.
void PlayManyDays(Game& game) {
    GameState& state = game.State;
    state.Wealth = 1e9;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            Article(state, kind, i).Known = true;
            PutOnCard(game, kind, i);
        }
    for (int day = 0; day < Days; ++day) {
        for (int sale = 0; sale < SalesPerDay; ++sale) {
            const int article = sale % 110;
            const ArticleKind kind = article < 50   ? ArticleKind::Drink
                                     : article < 80 ? ArticleKind::Wine
                                                    : ArticleKind::Dish;
            const int index = article < 50   ? article + 1
                              : article < 80 ? article - 49
                                             : article - 79;
            BookSale(game, kind, index, Article(state, kind, index).SalePrice);
        }
        Book(game, Booking::Rent, -300);
        game.Books.CloseDay(state.GameClock + day);
    }
}

void Sell(Game& game) {
    BookSale(game, ArticleKind::Drink, 1, game.State.Drinks[1].SalePrice);
}

void ShowTab(int tab) {
    BalanceForm->Tabs->setCurrentIndex(tab);
    BalanceForm->Refresh();
    QApplication::processEvents();
}

// The window reading the books on `tab` after a frame of the game, and painting what changed.
void FollowFrames(benchmark::State& bench, int tab) {
    ShowTab(tab);
    Game& game = Session->game();
    for (auto _ : bench) {
        Sell(game);
        BalanceForm->Refresh();
        QApplication::processEvents();
    }
}

void BM_OverviewFrame(benchmark::State& bench) {
    FollowFrames(bench, TBalanceForm::OverviewTab);
}
BENCHMARK(BM_OverviewFrame)->Unit(benchmark::kMicrosecond);

// The articles are read twice a second at most (TBalanceForm::ArticlesReadEveryMs).
void BM_ArticlesReading(benchmark::State& bench) {
    FollowFrames(bench, TBalanceForm::ArticlesTab);
}
BENCHMARK(BM_ArticlesReading)->Unit(benchmark::kMicrosecond);

// Until a day closes the charts stay as they are.
void BM_HistoryFrame(benchmark::State& bench) {
    FollowFrames(bench, TBalanceForm::HistoryTab);
}
BENCHMARK(BM_HistoryFrame)->Unit(benchmark::kMicrosecond);

// A day closes: the chart of the chosen range is read and drawn anew.
void DayCloses(benchmark::State& bench, TBalanceHistory::Range range) {
    TBalanceHistory* history = BalanceForm->History;
    history->RangeChoice->setCurrentIndex(static_cast<int>(range));
    ShowTab(TBalanceForm::HistoryTab);
    Game& game = Session->game();
    for (auto _ : bench) {
        Sell(game);
        game.Books.CloseDay(game.State.GameClock);
        BalanceForm->Refresh();
        QApplication::processEvents();
    }
}

void BM_DayCloseLast30Days(benchmark::State& bench) {
    DayCloses(bench, TBalanceHistory::Range::Last30Days);
}
BENCHMARK(BM_DayCloseLast30Days)->Unit(benchmark::kMicrosecond);

void BM_DayCloseAllDays(benchmark::State& bench) {
    DayCloses(bench, TBalanceHistory::Range::AllDays);
}
BENCHMARK(BM_DayCloseAllDays)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    CreateForms();
    Form1->Button1Click();
    Session->SetTimerEnabled(false);
    PlayManyDays(Session->game());
    const long beforeShown = ResidentKilobytes();
    ShowAndWait(BalanceForm);
    BalanceForm->History->RangeChoice->setCurrentIndex(
        static_cast<int>(TBalanceHistory::Range::AllDays));
    for (const int tab :
         {TBalanceForm::OverviewTab, TBalanceForm::HistoryTab, TBalanceForm::ArticlesTab})
        ShowTab(tab);
    const long afterShown = ResidentKilobytes();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("Books of %d days: %zu kB. Window shown with every tab drawn (all days): "
                "%+ld kB resident.\n",
                Session->game().Books.DayCount(), Session->game().Books.MemoryBytes() / 1024,
                afterShown - beforeShown);
    std::printf("Target: a frame well under 1000 us; a day's close under a frame (16 ms).\n");
    DestroyForms();
    return 0;
}
