// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "game/game_state.h"

#include <string>
#include <string_view>
#include <vector>

// Storage: which articles on the cards run short, and reordering them.

inline const std::string SelectArticleToReorderMessage =
    "Bitte die Ware, die Sie nachbestellen wollen auswählen.";

struct StockEntry {
    ArticleKind Kind;
    int Index;
};

// The articles on their cards split by the minimum stock level, each in the order drinks,
// wines, dishes and by index. Short: Stock <= MinStockLevel and nothing on order. Sufficient:
// Stock > MinStockLevel, whether or not something is on order.
struct StockLists {
    std::vector<StockEntry> Short;
    std::vector<StockEntry> Sufficient;
};
StockLists SplitByStock(const GameState& state);

// Kind of the last article (drinks, then wines, then dishes) named `utf8Name`; 0 when none is.
int findewas(const GameState& state, std::string_view utf8Name);
// Index of the last article of `kind` (0, 1, 2) named `utf8Name`; 0 when none is.
int findenr(const GameState& state, int kind, std::string_view utf8Name);

// Starts a delivery countdown of 1..599 game minutes, replacing one already running, and
// returns it. The draw is Random(600); a draw of 0 would mean "nothing on order" and the
// delivery would never come, so it counts as 1, a delivery at the next step.
int Reorder(GameState& state, RandomSource& rng, ArticleKind kind, int index);

// "Getränk "Pils" wurde nachbestellt. Es wird in 12 Minuten geliefert." and the like.
std::string DeliveryNoticeText(ArticleKind kind, std::string_view utf8Name, int minutes);

// Reorder from the list of short articles: the notice is shown only when the player wants
// delivery times, and the game stands still while it is open.
void ReorderShortArticle(Game& game, ArticleKind kind, int index);

// Reorder from the list of sufficient articles: the notice is always shown, the game runs on.
void ReorderSufficientArticle(Game& game, ArticleKind kind, int index);
