// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/books.h"
#include "game/game.h"
#include "game/money.h"

#include <cstdint>

// Every change of Wealth and Debt in a game goes through these, so that the books see every
// euro where the rules move it. The sums saturate as every stored amount does (money.h): the
// game's arithmetic is the same as without the books. Sales are inline: guests buy in most
// minutes.

// The one place where a game's Wealth and Debt change.
inline void ApplyBooking(GameState& state, Booking category, double change) {
    state.Wealth = SaturatedSum(state.Wealth, change);
    if (ChangesDebt(category))
        state.Debt = SaturatedSum(state.Debt, change);
}

// Adds `change` to Wealth (and to Debt for credit) and books it.
void Book(Game& game, Booking category, double change);

// A guest buys one unit of the article, paying `price`, its sale price.
inline void BookSale(Game& game, ArticleKind kind, int index, double price) {
    const Booking category = SalesOf(kind);
    ApplyBooking(game.State, category, price);
    game.Books.RecordSale(kind, index, price, game.State);
}

// Stock bought for the article (a card purchase or a delivery): Wealth pays `cost`.
void BookStockBought(Game& game, Booking category, ArticleKind kind, int index,
                     std::int32_t quantity, double cost);

// Begins the books afresh from the game as it stands now.
void BeginBooks(Game& game, BooksOrigin origin);
