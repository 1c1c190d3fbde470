// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/cards.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

using Cards = DialogTest;

TEST_F(Cards, PuttingOnCardBuysFirstStockAndSetsSalePrice) {
    State.Wealth = 10000;
    TArticle& drink = State.Drinks[3];
    drink.PurchasePrice = 8;
    drink.Stock = 5;
    drink.SalePrice = 20;

    ASSERT_TRUE(PutOnCard(Play, ArticleKind::Drink, 3));
    EXPECT_TRUE(drink.OnCard);
    EXPECT_EQ(drink.Stock, 25);
    EXPECT_DOUBLE_EQ(State.Wealth, 9840);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 9.5);
    EXPECT_EQ(Host.MoneyRefreshes, 1);
}

TEST_F(Cards, CostEqualToWealthIsAllowedMoreIsRefused) {
    State.Controls.CardOrderQuantity = 10;
    State.Wines[1].PurchasePrice = 5;
    State.Wealth = 50;
    EXPECT_TRUE(PutOnCard(Play, ArticleKind::Wine, 1));
    EXPECT_DOUBLE_EQ(State.Wealth, 0);

    State.Wealth = 49.99;
    TArticle& dish = State.Dishes[2];
    dish.PurchasePrice = 5;
    dish.SalePrice = 7;
    EXPECT_FALSE(PutOnCard(Play, ArticleKind::Dish, 2));
    EXPECT_FALSE(dish.OnCard);
    EXPECT_EQ(dish.Stock, 0);
    EXPECT_DOUBLE_EQ(dish.SalePrice, 7);
    EXPECT_DOUBLE_EQ(State.Wealth, 49.99);
    EXPECT_EQ(Host.MoneyRefreshes, 1);
}

TEST_F(Cards, NegativeWealthRefusesEveryPurchase) {
    State.Wealth = -1;
    State.Drinks[1].PurchasePrice = 0.01;
    EXPECT_FALSE(PutOnCard(Play, ArticleKind::Drink, 1));
}

TEST_F(Cards, TickingAgainBuysAgainAndResetsThePrice) {
    State.Wealth = 1000;
    TArticle& drink = State.Drinks[1];
    drink.PurchasePrice = 2;
    ASSERT_TRUE(PutOnCard(Play, ArticleKind::Drink, 1));
    drink.SalePrice = 4;
    TakeOffCard(State, ArticleKind::Drink, 1);
    EXPECT_FALSE(drink.OnCard);
    EXPECT_EQ(drink.Stock, 20);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 4);

    ASSERT_TRUE(PutOnCard(Play, ArticleKind::Drink, 1));
    EXPECT_EQ(drink.Stock, 40);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 3.5);
    EXPECT_DOUBLE_EQ(State.Wealth, 920);
}

TEST_F(Cards, StockFromADamagedGameDoesNotWrapRound) {
    State.Wealth = 1000;
    State.Drinks[1].Stock = 2147483640;
    ASSERT_TRUE(PutOnCard(Play, ArticleKind::Drink, 1));
    EXPECT_EQ(State.Drinks[1].Stock, 2147483647);
}

TEST_F(Cards, KnownCountPerKind) {
    State.Drinks[1].Known = State.Drinks[50].Known = true;
    State.Wines[30].Known = true;
    EXPECT_EQ(KnownCount(State, ArticleKind::Drink), 2);
    EXPECT_EQ(KnownCount(State, ArticleKind::Wine), 1);
    EXPECT_EQ(KnownCount(State, ArticleKind::Dish), 0);
}
