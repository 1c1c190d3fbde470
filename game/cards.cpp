// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/cards.h"

#include "game/booking.h"
#include "game/int_math.h"
#include "game/money.h"

#include <cstdint>

double FirstStockCost(const GameState& state, const TArticle& article) {
    return state.Controls.CardOrderQuantity * article.PurchasePrice;
}

bool PutOnCard(Game& game, ArticleKind kind, int index) {
    GameState& state = game.State;
    TArticle& article = Article(state, kind, index);
    const std::int32_t quantity = state.Controls.CardOrderQuantity;
    const double cost = FirstStockCost(state, article);
    if (cost > state.Wealth)
        return false;
    article.OnCard = true;
    // A saved game may carry any stock; the sum stays in range instead of wrapping round.
    article.Stock = ClampToInt32(std::int64_t{article.Stock} + quantity);
    BookStockBought(game, Booking::CardStock, kind, index, quantity, cost);
    game.Host.RefreshMoney();
    article.SalePrice = SaturatedSum(article.PurchasePrice, 1.5);
    return true;
}

void TakeOffCard(GameState& state, ArticleKind kind, int index) {
    Article(state, kind, index).OnCard = false;
}

int KnownCount(const GameState& state, ArticleKind kind) {
    int count = 0;
    for (int i = 1; i <= ArticleCount(kind); ++i)
        count += Article(state, kind, i).Known ? 1 : 0;
    return count;
}
