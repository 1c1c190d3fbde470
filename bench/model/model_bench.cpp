// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the model alone: the windows are replaced by a host that does nothing.
#include "game/booking.h"
#include "game/books.h"
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
// A long game: 27 years of business days, two and a half hours of play at the fastest speed.
constexpr int BooksDays = 10000;

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
// Each closes a day of the books, which begin afresh every 10,000 days, as no game has
// millions of days.
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
        if (game.Play.Books.DayCount() > BooksDays)
            BeginBooks(game.Play, BooksOrigin::NewGame);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_DayEndTick);

// The books of a long game of the full pub: about 900 sales, a delivery, twenty wages and the
// rent a day. Reports what the days take in memory.
void BM_BooksOfALongGame(benchmark::State& bench) {
    GameState state;
    std::size_t bytes = 0;
    for (auto _ : bench) {
        PubBooks books;
        for (int day = 0; day < BooksDays; ++day) {
            for (int sale = 0; sale < 900; ++sale)
                books.RecordSale(static_cast<ArticleKind>(sale % 3), 1 + sale % 30, 4.5, state);
            books.RecordStockBought(Booking::Deliveries, ArticleKind::Drink, 1, 20, 60, state);
            for (int wage = 0; wage < StaffCount; ++wage)
                books.Record(Booking::Wages, -40, state);
            books.Record(Booking::Rent, -400, state);
            books.CloseDay(46000.375 + day);
        }
        benchmark::DoNotOptimize(books.Total());
        bytes = books.MemoryBytes();
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
    bench.counters["bytes_per_day"] = static_cast<double>(bytes) / (BooksDays + 1);
    bench.counters["day_record"] = sizeof(DayBook);
}
BENCHMARK(BM_BooksOfALongGame)->Unit(benchmark::kMillisecond);

// What a finance window reads once a frame from a long game: today, yesterday, the last seven
// days, the total and one chart series over all days.
void BM_BooksReadingOfALongGame(benchmark::State& bench) {
    GameState state;
    PubBooks books;
    for (int day = 0; day < BooksDays; ++day) {
        books.Record(Booking::DrinkSales, 1500, state);
        books.Record(Booking::Rent, -400, state);
        books.CloseDay(46000.375 + day);
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(books.Today());
        benchmark::DoNotOptimize(books.Yesterday());
        benchmark::DoNotOptimize(books.LastDays(7));
        benchmark::DoNotOptimize(books.Total());
        benchmark::DoNotOptimize(books.Series(DayFigure::Profit));
    }
}
BENCHMARK(BM_BooksReadingOfALongGame)->Unit(benchmark::kMicrosecond);

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
