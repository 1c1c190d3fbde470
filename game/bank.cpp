#include "game/bank.h"

double ComputeCreditLimit(const GameState& state) {
    double limit = 0;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const TArticle& article = Article(state, kind, i);
            limit += article.Stock * article.SalePrice;
        }
    return limit + state.Wealth - state.Debt;
}

std::string TakeCredit(GameState& state, double creditLimit, int amount) {
    if (amount + state.Debt > creditLimit)
        return CreditRefusedMessage;
    state.Debt += amount;
    state.Wealth += amount;
    return {};
}

std::string RepayDebt(GameState& state, int amount) {
    if (amount > state.Wealth)
        return RepayMoreThanWealthMessage;
    if (amount > state.Debt)
        return RepayMoreThanDebtMessage;
    state.Wealth -= amount;
    state.Debt -= amount;
    return {};
}
