// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/goals.h"

namespace {

constexpr double WealthGoal = 100000;

template <int N> bool AllOnCard(const OneBasedArray<TArticle, N>& articles) {
    for (const TArticle& article : articles)
        if (!article.OnCard)
            return false;
    return true;
}

} // namespace

bool AllOnCard(const GameState& state, ArticleKind kind) {
    switch (kind) {
    case ArticleKind::Drink:
        return AllOnCard(state.Drinks);
    case ArticleKind::Wine:
        return AllOnCard(state.Wines);
    case ArticleKind::Dish:
        break;
    }
    return AllOnCard(state.Dishes);
}

bool WealthGoalReached(const GameState& state) {
    return state.Wealth - state.Debt >= WealthGoal;
}

// The money test goes first because it is the cheap one that fails in almost every tick.
bool GoalsReached(const GameState& state) {
    return WealthGoalReached(state) && AllOnCard(state.Drinks) && AllOnCard(state.Wines) &&
           AllOnCard(state.Dishes);
}
