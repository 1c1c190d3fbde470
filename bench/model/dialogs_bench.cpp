// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bank.h"
#include "game/storage.h"
#include "game/top_ten.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <string>

namespace {

GameState BusyGame() {
    GameState state;
    int n = 0;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i, ++n) {
            TArticle& article = Article(state, kind, i);
            article.Name = ShortString50::FromUtf8("Artikel " + std::to_string(n));
            // Counts near the top of the Integer range, as a loaded game may carry them.
            article.UnitsSold = INT_MAX - (n * 7919) % 1000;
            article.OnCard = true;
            article.Stock = n % 20;
            article.SalePrice = 2.5;
        }
    return state;
}

// The top-ten window ranks at every paint.
void BM_TopTenWithHugeCounts(benchmark::State& run) {
    const GameState state = BusyGame();
    for (auto _ : run)
        benchmark::DoNotOptimize(TopTenLines(state));
}
BENCHMARK(BM_TopTenWithHugeCounts);

// The storage window splits the cards at every paint.
void BM_StorageSplit(benchmark::State& run) {
    const GameState state = BusyGame();
    for (auto _ : run)
        benchmark::DoNotOptimize(SplitByStock(state));
}
BENCHMARK(BM_StorageSplit);

// The bank computes its credit limit at every paint.
void BM_CreditLimit(benchmark::State& run) {
    const GameState state = BusyGame();
    for (auto _ : run)
        benchmark::DoNotOptimize(ComputeCreditLimit(state));
}
BENCHMARK(BM_CreditLimit);

} // namespace
