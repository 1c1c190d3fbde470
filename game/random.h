// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The game's one source of random numbers. Everything random in the game is drawn through
// Random(n), so tests can script the draws and check their order and ranges.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A uniform whole number 0..n-1. Random(n) for n <= 0 is 0: saved games can carry values
    // that make a range empty or negative.
    virtual int Random(int n) = 0;

    // Seeds the generator from the time of day (start of a new game).
    virtual void Randomize() = 0;
};

// xoshiro256** with Lemire's unbiased bounded draw: a tick can make a few hundred draws, so
// it has to be fast.
class GameRandom final : public RandomSource {
public:
    explicit GameRandom(std::uint64_t seed = 0x4b7567686569ULL) { Seed(seed); }

    int Random(int n) override;
    void Randomize() override;
    void Seed(std::uint64_t seed);

private:
    std::uint64_t Next();
    std::uint64_t s_[4]{};
};

// Nearest whole number, exact halves to the even neighbour. NaN gives 0; values beyond the
// 64-bit range saturate.
std::int64_t Round(double x);

// Round, then brought into the 32-bit range of the game's Integer fields.
std::int32_t RoundToInt32(double x);
