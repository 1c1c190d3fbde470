// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

// The four game goals, as the goals window lists them and the tick tests them.

// Goals 1..3: every article of the kind is on its card.
bool AllOnCard(const GameState& state, ArticleKind kind);

// Goal 4: Wealth - Debt is at least 100,000.
bool WealthGoalReached(const GameState& state);

// All four at once: the game is won.
bool GoalsReached(const GameState& state);
