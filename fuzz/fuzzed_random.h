// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random.h"

#include <cstdint>
#include <span>

// Draws steered by the fuzzer: while script bytes are left, each draw takes two of them, so
// the rare outcomes (an event in 1 of 1440 minutes) are as reachable as the common ones. After
// the script the draws come from a generator with a fixed seed, so every input replays the
// same way; Randomize() keeps that seed too.
class FuzzedRandom final : public RandomSource {
public:
    void Script(std::span<const std::uint8_t> bytes) { script_ = bytes; }

    int Random(int n) override {
        if (n <= 0)
            return 0;
        if (script_.size() < 2)
            return fallback_.Random(n);
        const int value = script_[0] | script_[1] << 8;
        script_ = script_.subspan(2);
        return value % n;
    }

    void Randomize() override { fallback_.Seed(FixedSeed); }

private:
    static constexpr std::uint64_t FixedSeed = 20260101;
    std::span<const std::uint8_t> script_;
    GameRandom fallback_{FixedSeed};
};
