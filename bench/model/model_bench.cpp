// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the model alone: the windows are replaced by a host that does nothing.
#include "game/date_time.h"
#include "game/game.h"
#include "game/new_game.h"
#include "game/random.h"
#include "game/tick.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost final : public GameHost {
public:
    void ShowMessage(const std::string&) override {}
    void SetTimerEnabled(bool) override {}
    void ShowEventWindow() override {}
    void SetGauge(Gauge, int) override {}
    void SetClockText(const std::string&) override {}
    void RefreshMoney() override {}
    void Quit() override {}
};

constexpr int PlentyOfStock = 1000000000;
// Below the money goal, so that a pub with everything on the cards goes on playing.
constexpr double WorkingCapital = 50000;
// Round(19999 / 4000) = 5 empties the guest draw's range: a guest comes every minute.
constexpr int BusiestCrowd = 19999;

// A new game with location 1 leased and nothing on the cards.
struct BenchGame {
    GameRandom Rng{42};
    SilentHost Host;
    Game Play{Rng, Host};

    BenchGame() {
        NewGame(Play, EncodeDateTime(2026, 12, 7, 9, 0));
        GameState& state = Play.State;
        state.LeasedLocation = 1;
        state.Locations[1].Leased = true;
        state.Locations[1].RentPerDay = 400;
        state.Wealth = WorkingCapital;
    }

    GameState& State() { return Play.State; }
};

void EmployEveryone(GameState& state) {
    for (TStaffMember& member : state.StaffPool)
        member.Employed = true;
}

// All 110 articles on their cards with stock for ever and an average margin of 1.50, the
// whole staff employed, and a guest every minute.
void FillThePub(GameState& state) {
    state.Locations[1].PotentialCustomers = BusiestCrowd;
    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            TArticle& article = Article(state, kind, i);
            article.Known = true;
            article.OnCard = true;
            article.SalePrice = article.PurchasePrice + 1.5;
            article.Stock = PlentyOfStock;
        }
    }
    EmployEveryone(state);
}

// Minutes run on as in play, day ends included at their share of one in 931.
void RunMinutes(benchmark::State& bench, BenchGame& game) {
    for (auto _ : bench) {
        game.State().Wealth = WorkingCapital;
        benchmark::DoNotOptimize(Tick(game.Play));
    }
    bench.SetItemsProcessed(bench.iterations());
}

void BM_TickOfEmptyPub(benchmark::State& bench) {
    BenchGame game;
    RunMinutes(bench, game);
}
BENCHMARK(BM_TickOfEmptyPub);

void BM_TickOfFullPub(benchmark::State& bench) {
    BenchGame game;
    FillThePub(game.State());
    RunMinutes(bench, game);
}
BENCHMARK(BM_TickOfFullPub);

// Every tick finds 00:30: interest on a debt, twenty wages and the rent, with their messages.
void BM_DayEndTick(benchmark::State& bench) {
    BenchGame game;
    GameState& state = game.State();
    EmployEveryone(state);
    state.Debt = 25000;
    const double halfPastMidnight = EncodeDateTime(2026, 12, 8, 0, 30);
    for (auto _ : bench) {
        state.GameClock = halfPastMidnight;
        state.Wealth = WorkingCapital;
        benchmark::DoNotOptimize(Tick(game.Play));
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_DayEndTick);

void BM_NewGame(benchmark::State& bench) {
    GameRandom rng(42);
    SilentHost host;
    Game game(rng, host);
    for (auto _ : bench) {
        NewGame(game, 46000.5);
        benchmark::DoNotOptimize(game.State.Wealth);
    }
}
BENCHMARK(BM_NewGame);

void BM_RandomDraw(benchmark::State& bench) {
    GameRandom rng;
    for (auto _ : bench)
        benchmark::DoNotOptimize(rng.Random(70));
}
BENCHMARK(BM_RandomDraw);

} // namespace
