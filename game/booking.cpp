// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/booking.h"

void Book(Game& game, Booking category, double change) {
    ApplyBooking(game.State, category, change);
    game.Books.Record(category, change, game.State);
}

void BookStockBought(Game& game, Booking category, ArticleKind kind, int index,
                     std::int32_t quantity, double cost) {
    ApplyBooking(game.State, category, -cost);
    game.Books.RecordStockBought(category, kind, index, quantity, cost, game.State);
}

void BeginBooks(Game& game, BooksOrigin origin) {
    const GameState& state = game.State;
    game.Books.Begin(origin, state.GameClock, state.Wealth, state.Debt);
}
