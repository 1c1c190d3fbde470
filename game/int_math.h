// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

// Saved games can carry any 32-bit value in any Integer field, so sums of them are formed in
// 64 bits and brought back into range instead of overflowing.
constexpr std::int32_t ClampToInt32(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}
