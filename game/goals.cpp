#include "game/goals.h"

#include "game/game_state.h"

#include <algorithm>

namespace {
template <class Articles> bool AllOnCard(const Articles& articles) {
    return std::all_of(articles.begin(), articles.end(),
                       [](const TArticle& article) { return article.OnCard; });
}
} // namespace

GoalStatus EvaluateGoals(const GameState& state) {
    GoalStatus status;
    status.AllDrinksOnCard = AllOnCard(state.Drinks);
    status.AllWinesOnCard = AllOnCard(state.Wines);
    status.AllDishesOnCard = AllOnCard(state.Dishes);
    status.WealthReached = state.Wealth - state.Debt >= GoalWealth;
    return status;
}
