// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bank.h"

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

std::string TakeCredit(GameState& state, double creditLimit, int amount) {
    if (amount + state.Debt > creditLimit)
        return CreditRefusedMessage;
    state.Debt = SaturatedSum(state.Debt, amount);
    state.Wealth = SaturatedSum(state.Wealth, amount);
    return {};
}

std::string RepayDebt(GameState& state, int amount) {
    if (amount > state.Wealth)
        return RepayMoreThanWealthMessage;
    if (amount > state.Debt)
        return RepayMoreThanDebtMessage;
    state.Wealth = SaturatedDifference(state.Wealth, amount);
    state.Debt = SaturatedDifference(state.Debt, amount);
    return {};
}
