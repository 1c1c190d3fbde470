// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rewards.h"

#include "game/booking.h"
#include "game/game.h"

namespace {
template <class Articles> void MakeAllKnown(Articles& articles) {
    for (TArticle& article : articles)
        article.Known = true;
}
} // namespace

bool GrantReward(Game& game, RewardKey key) {
    GameState& state = game.State;
    switch (key) {
    case RewardKey::F12:
        Book(game, Booking::Reward, RewardMoney);
        return true;
    case RewardKey::F11:
        MakeAllKnown(state.Drinks);
        break;
    case RewardKey::F10:
        MakeAllKnown(state.Wines);
        break;
    case RewardKey::F9:
        MakeAllKnown(state.Dishes);
        break;
    }
    return false;
}
