// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

#include <string>
#include <vector>

// The best sellers over all three kinds.

// Up to ten lines "Name (12x verkauft.)": the articles in the order drinks 1..50, wines 1..30,
// dishes 1..30, stably sorted by UnitsSold, highest first. Counts below 0 (only a damaged
// saved game has them) are never listed, so such a game may show fewer than ten lines.
std::vector<std::string> TopTenLines(const GameState& state);
