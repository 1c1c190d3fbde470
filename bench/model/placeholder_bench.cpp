#include "game/random.h"

#include <benchmark/benchmark.h>

static void BM_RandomDraw(benchmark::State& state) {
    GameRandom rng;
    for (auto _ : state)
        benchmark::DoNotOptimize(rng.Random(70));
}
BENCHMARK(BM_RandomDraw);
