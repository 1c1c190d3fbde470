// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

// Every amount the game stores (money, debt, prices) must stay a finite number, or the game
// could save a file that it then refuses to load. Saved games can carry any finite double, so
// a sum of two of them may leave the double range: every amount the game stores or shows is
// therefore brought back to the largest finite double of its sign. Comparisons use the exact
// results; only what is kept is saturated.
constexpr double LargestAmount = std::numeric_limits<double>::max();

// `amount` within -LargestAmount..LargestAmount; a NaN (no finite operands give one) becomes
// the lower bound rather than poisoning every later sum. Plain comparisons: the guests' sums
// run hundreds of times a tick, and std::fmin and std::fmax are calls into the C library.
inline double Saturated(double amount) {
    if (amount > LargestAmount)
        return LargestAmount;
    if (amount >= -LargestAmount)
        return amount;
    return -LargestAmount;
}

inline double SaturatedSum(double a, double b) {
    return Saturated(a + b);
}

inline double SaturatedDifference(double a, double b) {
    return Saturated(a - b);
}
