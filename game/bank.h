// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

struct Game;

#include <string>

// Borrowing from and repaying the bank.

inline constexpr int BankAmountMaximum = 100000000;

inline const std::string CreditRefusedMessage = "Die Bank gewährt Ihnen keinen solchen Kredit.";
inline const std::string RepayMoreThanWealthMessage =
    "Sie haben nicht genug Geld, um die Schulden um die angegebene Höhe zu tilgen.";
inline const std::string RepayMoreThanDebtMessage =
    "Sie haben nicht soviel Schulden, wie Sie abbezahlen möchten.";

// Stock at sale prices over all 110 articles (on a card or not), plus Wealth, minus Debt.
double ComputeCreditLimit(const GameState& state);

// Both return the refusal, or an empty text when the amount was booked.
// The credit test is against the limit computed earlier, as the bank showed it.
std::string TakeCredit(Game& game, double creditLimit, int amount);
std::string RepayDebt(Game& game, int amount);
