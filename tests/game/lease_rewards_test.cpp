// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_state.h"
#include "game/lease.h"
#include "game/rewards.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

TEST(Lease, PagingStopsAtBothEnds) {
    GameState state;
    state.LocationCursor = 30;
    ShowNextLocation(state);
    EXPECT_EQ(state.LocationCursor, 30);
    state.LocationCursor = 1;
    ShowPreviousLocation(state);
    EXPECT_EQ(state.LocationCursor, 1);
    ShowNextLocation(state);
    ShowNextLocation(state);
    EXPECT_EQ(state.LocationCursor, 3);
    ShowPreviousLocation(state);
    EXPECT_EQ(state.LocationCursor, 2);
}

TEST(Lease, CursorOutsideTheRangeIsBroughtIntoItBeforeUse) {
    GameState state; // program start: cursor 0
    EXPECT_EQ(ShownLocation(state), 1);
    ShowPreviousLocation(state);
    EXPECT_EQ(state.LocationCursor, 1);

    state.LocationCursor = 12345;
    EXPECT_EQ(ShownLocation(state), 30);
    ShowNextLocation(state);
    EXPECT_EQ(state.LocationCursor, 30);

    state.LocationCursor = -7;
    state.GameClock = 47000.25;
    LeaseShownLocation(state);
    EXPECT_TRUE(state.Locations[1].Leased);
    EXPECT_EQ(state.Locations[1].LeaseDate, 47000.25);
}

TEST(Lease, LeasingRecordsTheClockAndTheCloseStepTakesTheHighestLease) {
    GameState state;
    state.GameClock = 46000.5;
    state.LocationCursor = 7;
    LeaseShownLocation(state);
    EXPECT_TRUE(state.Locations[7].Leased);
    EXPECT_EQ(state.Locations[7].LeaseDate, 46000.5);
    EXPECT_FALSE(state.Locations[6].Leased);

    state.Locations[19].Leased = true;
    EXPECT_TRUE(AnyLocationLeased(state));
    EXPECT_TRUE(AdoptLeasedLocation(state));
    EXPECT_EQ(state.LeasedLocation, 19);
}

TEST(Lease, CloseStepWithoutLeaseKeepsLeasedLocation) {
    GameState state;
    state.LeasedLocation = 4;
    EXPECT_FALSE(AnyLocationLeased(state));
    EXPECT_FALSE(AdoptLeasedLocation(state));
    EXPECT_EQ(state.LeasedLocation, 4);
}

TEST(Rewards, F12AddsMoneyAndTheOthersTeachOneKindEach) {
    ScriptedGame game;
    GameState& state = game.State;
    state.Wealth = 12.5;
    EXPECT_TRUE(GrantReward(game.Play, RewardKey::F12));
    EXPECT_EQ(state.Wealth, 10012.5);

    EXPECT_FALSE(GrantReward(game.Play, RewardKey::F11));
    for (const TArticle& drink : state.Drinks) {
        EXPECT_TRUE(drink.Known);
        EXPECT_FALSE(drink.OnCard);
    }
    EXPECT_FALSE(state.Wines[1].Known);
    EXPECT_FALSE(state.Dishes[1].Known);

    GrantReward(game.Play, RewardKey::F10);
    for (const TArticle& wine : state.Wines)
        EXPECT_TRUE(wine.Known);
    EXPECT_FALSE(state.Dishes[30].Known);

    GrantReward(game.Play, RewardKey::F9);
    for (const TArticle& dish : state.Dishes)
        EXPECT_TRUE(dish.Known);
    EXPECT_EQ(state.Wealth, 10012.5);
}
