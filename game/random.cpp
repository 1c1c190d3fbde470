// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

void GameRandom::Seed(std::uint64_t seed) {
    for (auto& word : s_)
        word = SplitMix(seed);
}

void GameRandom::Randomize() {
    auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

std::uint64_t GameRandom::Next() {
    const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

int GameRandom::Random(int n) {
    if (n <= 0)
        return 0;
    // Lemire: multiply a 32-bit draw by n and reject the few low products that would bias it.
    const auto range = static_cast<std::uint32_t>(n);
    std::uint64_t product = (Next() >> 32) * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = (Next() >> 32) * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

std::int64_t Round(double x) {
    if (std::isnan(x))
        return 0;
    constexpr double limit = 9.2e18;
    if (x >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (x <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(x)); // default mode: halves to even
}

std::int32_t RoundToInt32(double x) {
    const std::int64_t r = Round(x);
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}
