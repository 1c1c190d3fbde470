// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_state.h"

int SpeedInterval(std::int32_t speedIndex) {
    switch (speedIndex) {
    case SpeedFast:
        return 1;
    case SpeedNormal:
        return 400;
    case SpeedSlow:
        return 1000;
    case SpeedPause:
        return 500000000;
    default:
        return 0;
    }
}

TLocation* GameState::Leased() {
    if (LeasedLocation < 1 || LeasedLocation > LocationCount)
        return nullptr;
    return &Locations[LeasedLocation];
}

const TLocation* GameState::Leased() const {
    return const_cast<GameState*>(this)->Leased();
}

int ArticleCount(ArticleKind kind) {
    return kind == ArticleKind::Drink  ? DrinkCount
           : kind == ArticleKind::Wine ? WineCount
                                       : DishCount;
}

TArticle& Article(GameState& state, ArticleKind kind, int index) {
    switch (kind) {
    case ArticleKind::Drink:
        return state.Drinks[index];
    case ArticleKind::Wine:
        return state.Wines[index];
    case ArticleKind::Dish:
        break;
    }
    return state.Dishes[index];
}

const TArticle& Article(const GameState& state, ArticleKind kind, int index) {
    return Article(const_cast<GameState&>(state), kind, index);
}
