// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <optional>
#include <string>

// The two one-time purchases that entertain the guests of the leased pub.

enum class Entertainment { Television, Musicians };

inline constexpr double EntertainmentPrice = 4000;
inline constexpr int EntertainmentFactorGain = 50;

// The refusal when the money does not reach the price.
std::string NotEnoughMoneyForEntertainmentMessage(Entertainment what);

// Buys: tests Wealth >= 4000, raises the leased location's entertainment factor by 50, pays,
// refreshes the money displays and marks the purchase as made. Returns the leased location's
// new factor (0 while none is leased), or nothing when the money does not suffice; then
// nothing has changed and the caller shows the refusal.
std::optional<int> BuyEntertainment(Game& game, Entertainment what);

bool StillPurchasable(const GameState& state, Entertainment what);
