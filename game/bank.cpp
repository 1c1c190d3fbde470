// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bank.h"

#include "game/booking.h"
#include "game/game.h"
#include "game/money.h"

double ComputeCreditLimit(const GameState& state) {
    double limit = 0;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const TArticle& article = Article(state, kind, i);
            limit = SaturatedSum(limit, Saturated(article.Stock * article.SalePrice));
        }
    return SaturatedDifference(SaturatedSum(limit, state.Wealth), state.Debt);
}

std::string TakeCredit(Game& game, double creditLimit, int amount) {
    if (amount + game.State.Debt > creditLimit)
        return CreditRefusedMessage;
    Book(game, Booking::CreditTaken, amount);
    return {};
}

std::string RepayDebt(Game& game, int amount) {
    const GameState& state = game.State;
    if (amount > state.Wealth)
        return RepayMoreThanWealthMessage;
    if (amount > state.Debt)
        return RepayMoreThanDebtMessage;
    Book(game, Booking::CreditRepaid, -static_cast<double>(amount));
    return {};
}
