#pragma once

struct GameState;

// The four goals of the game and whether each is met right now.
struct GoalStatus {
    bool AllDrinksOnCard = false;
    bool AllWinesOnCard = false;
    bool AllDishesOnCard = false;
    bool WealthReached = false; // Wealth - Debt >= 100000

    bool AllMet() const {
        return AllDrinksOnCard && AllWinesOnCard && AllDishesOnCard && WealthReached;
    }
};

constexpr double GoalWealth = 100000.0;

GoalStatus EvaluateGoals(const GameState& state);
