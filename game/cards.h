// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "game/game_state.h"

#include <string>

// Putting articles on the three menu cards.

// Refusal when the first stock of a single ticked article cannot be paid.
inline const std::string NotEnoughMoneyForStockMessage =
    "Sie haben leider nicht genügend Geld, um den Vorrat im Lager zu bezahlen.";

// What the first stock of an article costs at the current card order quantity.
double FirstStockCost(const GameState& state, const TArticle& article);

// Puts the article on its card and buys its first stock: OnCard, Stock, Wealth, the money
// displays, then the sale price of purchase price + 1.50. Returns false, changing nothing,
// when the stock costs more than Wealth. An article already on the card is bought again.
bool PutOnCard(Game& game, ArticleKind kind, int index);

// Takes the article off its card; stock and prices stay.
void TakeOffCard(GameState& state, ArticleKind kind, int index);

// Number of known articles of a kind.
int KnownCount(const GameState& state, ArticleKind kind);
