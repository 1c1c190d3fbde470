// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>

// Every amount the game stores (money, debt, prices) must stay a finite number, or the game
// could save a file that it then refuses to load. Saved games can carry any finite double, so
// a sum of two of them may leave the double range: every amount the game stores or shows is
// therefore brought back to the largest finite double of its sign. Comparisons use the exact
// results; only what is kept is saturated.
constexpr double LargestAmount = std::numeric_limits<double>::max();

// `amount` within -LargestAmount..LargestAmount; a NaN (no finite operands give one) becomes
// the lower bound rather than poisoning every later sum.
inline double Saturated(double amount) {
    return std::fmin(std::fmax(amount, -LargestAmount), LargestAmount);
}

inline double SaturatedSum(double a, double b) {
    return Saturated(a + b);
}

inline double SaturatedDifference(double a, double b) {
    return Saturated(a - b);
}
