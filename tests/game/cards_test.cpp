#include "game/cards.h"
#include "tests/game/dialog_test_support.h"

#include <gtest/gtest.h>

TEST(Cards, PuttingOnCardBuysFirstStockAndSetsSalePrice) {
    DialogGame g;
    g.State.Wealth = 10000;
    TArticle& drink = g.State.Drinks[3];
    drink.PurchasePrice = 8;
    drink.Stock = 5;
    drink.SalePrice = 20;

    ASSERT_TRUE(PutOnCard(g.Play, ArticleKind::Drink, 3));
    EXPECT_TRUE(drink.OnCard);
    EXPECT_EQ(drink.Stock, 25);
    EXPECT_DOUBLE_EQ(g.State.Wealth, 9840);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 9.5);
    EXPECT_EQ(g.Host.MoneyRefreshes, 1);
}

TEST(Cards, CostEqualToWealthIsAllowedMoreIsRefused) {
    DialogGame g;
    g.State.Controls.CardOrderQuantity = 10;
    g.State.Wines[1].PurchasePrice = 5;
    g.State.Wealth = 50;
    EXPECT_TRUE(PutOnCard(g.Play, ArticleKind::Wine, 1));
    EXPECT_DOUBLE_EQ(g.State.Wealth, 0);

    g.State.Wealth = 49.99;
    TArticle& dish = g.State.Dishes[2];
    dish.PurchasePrice = 5;
    dish.SalePrice = 7;
    EXPECT_FALSE(PutOnCard(g.Play, ArticleKind::Dish, 2));
    EXPECT_FALSE(dish.OnCard);
    EXPECT_EQ(dish.Stock, 0);
    EXPECT_DOUBLE_EQ(dish.SalePrice, 7);
    EXPECT_DOUBLE_EQ(g.State.Wealth, 49.99);
    EXPECT_EQ(g.Host.MoneyRefreshes, 1);
}

TEST(Cards, NegativeWealthRefusesEveryPurchase) {
    DialogGame g;
    g.State.Wealth = -1;
    g.State.Drinks[1].PurchasePrice = 0.01;
    EXPECT_FALSE(PutOnCard(g.Play, ArticleKind::Drink, 1));
}

TEST(Cards, TickingAgainBuysAgainAndResetsThePrice) {
    DialogGame g;
    g.State.Wealth = 1000;
    TArticle& drink = g.State.Drinks[1];
    drink.PurchasePrice = 2;
    ASSERT_TRUE(PutOnCard(g.Play, ArticleKind::Drink, 1));
    drink.SalePrice = 4;
    TakeOffCard(g.State, ArticleKind::Drink, 1);
    EXPECT_FALSE(drink.OnCard);
    EXPECT_EQ(drink.Stock, 20);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 4);

    ASSERT_TRUE(PutOnCard(g.Play, ArticleKind::Drink, 1));
    EXPECT_EQ(drink.Stock, 40);
    EXPECT_DOUBLE_EQ(drink.SalePrice, 3.5);
    EXPECT_DOUBLE_EQ(g.State.Wealth, 920);
}

TEST(Cards, StockFromADamagedGameDoesNotWrapRound) {
    DialogGame g;
    g.State.Wealth = 1000;
    g.State.Drinks[1].Stock = 2147483640;
    ASSERT_TRUE(PutOnCard(g.Play, ArticleKind::Drink, 1));
    EXPECT_EQ(g.State.Drinks[1].Stock, 2147483647);
}

TEST(Cards, KnownCountPerKind) {
    DialogGame g;
    g.State.Drinks[1].Known = g.State.Drinks[50].Known = true;
    g.State.Wines[30].Known = true;
    EXPECT_EQ(KnownCount(g.State, ArticleKind::Drink), 2);
    EXPECT_EQ(KnownCount(g.State, ArticleKind::Wine), 1);
    EXPECT_EQ(KnownCount(g.State, ArticleKind::Dish), 0);
}
