#include "game/cards.h"

#include <cstdint>
#include <limits>

namespace {

// A saved game may carry any stock; the sum stays in the Integer range instead of wrapping
// round to a negative stock.
std::int32_t AddUnits(std::int32_t stock, std::int32_t units) {
    const std::int64_t sum = static_cast<std::int64_t>(stock) + units;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

} // namespace

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
    article.Stock = AddUnits(article.Stock, quantity);
    state.Wealth -= cost;
    game.Host.RefreshMoney();
    article.SalePrice = article.PurchasePrice + 1.5;
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
