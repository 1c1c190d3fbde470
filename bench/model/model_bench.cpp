#include "game/date_time.h"
#include "game/game.h"
#include "game/new_game.h"
#include "game/random.h"
#include "game/tick.h"

#include <benchmark/benchmark.h>

namespace {

// The windows cost nothing here: only the model is timed.
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

// A pub in full swing: every article on its card with plenty in stock and an average margin
// of 1.50, ten staff, 10000 potential customers.
void OpenFullPub(Game& game) {
    NewGame(game, EncodeDateTime(2026, 12, 7, 9, 0));
    GameState& state = game.State;
    state.LeasedLocation = 1;
    TLocation& pub = state.Locations[1];
    pub.Leased = true;
    pub.PotentialCustomers = 10000;
    pub.RentPerDay = 400;
    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            TArticle& article = Article(state, kind, i);
            article.Known = true;
            article.OnCard = true;
            article.SalePrice = article.PurchasePrice + 1.5;
            article.Stock = PlentyOfStock;
        }
    }
    for (int i = 1; i <= 10; ++i)
        state.StaffPool[i].Employed = true;
}

void BM_TickOfFullPub(benchmark::State& bench) {
    GameRandom rng(42);
    SilentHost host;
    Game game(rng, host);
    OpenFullPub(game);
    for (auto _ : bench) {
        // Keeps the pub below the money goal and able to pay its rent, run as long as it may.
        game.State.Wealth = 10000;
        benchmark::DoNotOptimize(Tick(game));
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_TickOfFullPub);

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
