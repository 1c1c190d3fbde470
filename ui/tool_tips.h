// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tool tips tell the player beyond what a window shows, as plain text; a screen
// reader reads the same text as the description.

#include "game/game_host.h"
#include "game/game_state.h"

#include <QString>

// A gauge at `value` (the figure itself, which the gauge shows limited to 0..100) and what
// raises or lowers it.
QString GaugeTip(Gauge gauge, int value);

// An article of the storage lists: its stock, its purchase price, what one reorder at the
// current storage order quantity costs, and whether a delivery is on its way.
QString StockTip(const GameState& state, ArticleKind kind, int index);
