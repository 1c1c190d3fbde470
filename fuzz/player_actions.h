// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/bank.h"
#include "game/cards.h"
#include "game/entertainment.h"
#include "game/game.h"
#include "game/goals.h"
#include "game/guests.h"
#include "game/lease.h"
#include "game/prices.h"
#include "game/rewards.h"
#include "game/staff.h"
#include "game/storage.h"
#include "game/top_ten.h"

#include <array>
#include <cstdlib>
#include <string>

// What the dialogs do with the game between two ticks, driven by the fuzzer's draws: first
// everything they derive from the state when they are painted, then one action of the player.
namespace FuzzDialogs {

inline void Require(bool condition) {
    if (!condition)
        std::abort();
}

inline void FindByName(const GameState& state, const StockEntry& entry) {
    const std::string name = Article(state, entry.Kind, entry.Index).Name.ToUtf8();
    const int kind = findewas(state, name);
    Require(kind >= 0 && kind <= 2);
    Require(findenr(state, static_cast<int>(entry.Kind), name) >= 1);
}

// The paint handlers of storage, top ten, bank, cards, staff, lease, entertainment and goals.
inline void Rebuild(GameState& state) {
    const StockLists lists = SplitByStock(state);
    for (const auto* list : {&lists.Short, &lists.Sufficient}) {
        for (const StockEntry& entry : *list)
            Require(Article(state, entry.Kind, entry.Index).OnCard);
        // A click on an entry finds its article by name (each lookup walks all 110 names).
        if (!list->empty())
            FindByName(state, list->back());
    }
    Require(TopTenLines(state).size() <= 10);
    (void)ComputeCreditLimit(state);
    for (ArticleKind kind : AllArticleKinds) {
        Require(KnownCount(state, kind) <= ArticleCount(kind));
        for (int i = 1; i <= ArticleCount(kind); ++i)
            (void)FirstStockCost(state, Article(state, kind, i));
        (void)AllOnCard(state, kind);
    }
    const TStaffMember& member = state.StaffPool[ShownStaffIndex(state)];
    (void)StaffKindText(member);
    (void)WageText(member);
    (void)LastWageMessage(member);
    const int location = ShownLocation(state);
    Require(location >= 1 && location <= LocationCount);
    (void)AnyLocationLeased(state);
    (void)StillPurchasable(state, Entertainment::Television);
    (void)pve(state);
    (void)GoalsReached(state);
}

inline ArticleKind DrawKind(RandomSource& rng) {
    return static_cast<ArticleKind>(rng.Random(3));
}

inline int DrawIndex(RandomSource& rng, ArticleKind kind) {
    return 1 + rng.Random(ArticleCount(kind));
}

// A typed price: one of a few shapes the price field has to read, with drawn digits.
inline std::string DrawTypedPrice(RandomSource& rng) {
    static constexpr std::array<const char*, 8> shapes = {"",       "-", "1e999", "0,0000001",
                                                          " 12,5 ", "9", "1,2,3", "1e-999"};
    std::string text =
        shapes[static_cast<std::size_t>(rng.Random(static_cast<int>(shapes.size())))];
    const int digits = rng.Random(4);
    for (int i = 0; i < digits; ++i)
        text += static_cast<char>('0' + rng.Random(10));
    return text;
}

inline void SetAPrice(GameState& state, RandomSource& rng) {
    const ArticleKind kind = DrawKind(rng);
    const std::string name = Article(state, kind, DrawIndex(rng, kind)).Name.ToUtf8();
    (void)SetSalePrice(state, kind, name, DrawTypedPrice(rng));
}

// One of the commands a player can give in the dialogs.
inline void Act(Game& game) {
    GameState& state = game.State;
    RandomSource& rng = game.Rng;
    const ArticleKind kind = DrawKind(rng);
    const int index = DrawIndex(rng, kind);
    switch (rng.Random(16)) {
    case 0:
        (void)PutOnCard(game, kind, index);
        break;
    case 1:
        TakeOffCard(state, kind, index);
        break;
    case 2:
        ReorderShortArticle(game, kind, index);
        break;
    case 3:
        ReorderSufficientArticle(game, kind, index);
        break;
    case 4:
        (void)TakeCredit(game, ComputeCreditLimit(state), rng.Random(BankAmountMaximum + 1));
        break;
    case 5:
        (void)RepayDebt(game, rng.Random(BankAmountMaximum + 1));
        break;
    case 6:
        (void)BuyEntertainment(game, rng.Random(2) ? Entertainment::Television
                                                   : Entertainment::Musicians);
        break;
    case 7:
        HireShownStaffMember(state);
        break;
    case 8:
        DismissShownStaffMember(game);
        break;
    case 9:
        rng.Random(2) ? ShowNextStaffMember(state) : ShowPreviousStaffMember(state);
        break;
    case 10:
        rng.Random(2) ? ShowNextLocation(state) : ShowPreviousLocation(state);
        break;
    case 11:
        LeaseShownLocation(state);
        (void)AdoptLeasedLocation(state);
        break;
    case 12:
        SetAPrice(state, rng);
        break;
    case 13:
        (void)GrantReward(game, static_cast<RewardKey>(rng.Random(4)));
        break;
    default: // the player only looks
        break;
    }
}

} // namespace FuzzDialogs
