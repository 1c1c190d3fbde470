// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bank.h"
#include "game/entertainment.h"
#include "game/top_ten.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

#include <climits>

using EntertainmentPurchase = DialogTest;
using Bank = DialogTest;
using TopTen = DialogTest;

TEST_F(EntertainmentPurchase, ExactlyFourThousandBuysAndRaisesTheLeasedPub) {
    State.LeasedLocation = 7;
    State.Wealth = 4000;
    EXPECT_EQ(BuyEntertainment(Play, Entertainment::Television), 50);
    EXPECT_EQ(State.Wealth, 0);
    EXPECT_EQ(State.Locations[7].EntertainmentFactor, 50);
    EXPECT_FALSE(State.Controls.TvPurchasable);
    EXPECT_TRUE(State.Controls.MusiciansPurchasable);
    EXPECT_EQ(Host.MoneyRefreshes, 1);

    State.Wealth = 3999.99;
    EXPECT_FALSE(BuyEntertainment(Play, Entertainment::Musicians).has_value());
    EXPECT_EQ(State.Wealth, 3999.99);
    EXPECT_EQ(State.Locations[7].EntertainmentFactor, 50);
    EXPECT_TRUE(State.Controls.MusiciansPurchasable);

    State.Wealth = 5000;
    EXPECT_EQ(BuyEntertainment(Play, Entertainment::Musicians), 100);
    EXPECT_FALSE(State.Controls.MusiciansPurchasable);
    EXPECT_EQ(NotEnoughMoneyForEntertainmentMessage(Entertainment::Television),
              "Sie haben leider nicht genügend Geld für den Kauf des Fernsehers.");
    EXPECT_EQ(NotEnoughMoneyForEntertainmentMessage(Entertainment::Musicians),
              "Sie haben leider nicht genügend Geld um die Unterhalter zu bezahlen.");
}

TEST_F(Bank, FirstDayExample) {
    State.Wealth = 10000;
    double limit = ComputeCreditLimit(State);
    EXPECT_EQ(limit, 10000);
    EXPECT_EQ(TakeCredit(Play, limit, 10000), "");
    EXPECT_EQ(State.Debt, 10000);
    EXPECT_EQ(State.Wealth, 20000);
    limit = ComputeCreditLimit(State);
    EXPECT_EQ(limit, 10000);
    EXPECT_EQ(TakeCredit(Play, limit, 1), CreditRefusedMessage);
    EXPECT_EQ(TakeCredit(Play, limit, 0), "");
    EXPECT_EQ(State.Debt, 10000);
}

TEST_F(Bank, LimitCountsEveryArticleStockAtSalePrice) {
    State.Wealth = -100;
    State.Debt = 50;
    State.Drinks[50].Stock = 3;
    State.Drinks[50].SalePrice = 2.5;
    State.Dishes[1].Stock = 10;
    State.Dishes[1].SalePrice = 1;
    EXPECT_EQ(ComputeCreditLimit(State), 7.5 + 10 - 100 - 50);
    // Debt above the limit: even 0 is refused.
    EXPECT_EQ(TakeCredit(Play, -132.5, 0), CreditRefusedMessage);
}

TEST_F(Bank, RepaymentChecksMoneyFirstThenDebt) {
    State.Wealth = 100;
    State.Debt = 50;
    EXPECT_EQ(RepayDebt(Play, 101), RepayMoreThanWealthMessage);
    EXPECT_EQ(RepayDebt(Play, 51), RepayMoreThanDebtMessage);
    EXPECT_EQ(State.Wealth, 100);
    EXPECT_EQ(RepayDebt(Play, 50), "");
    EXPECT_EQ(State.Debt, 0);
    EXPECT_EQ(State.Wealth, 50);
}

TEST_F(TopTen, TiesGoDrinkWineDishAndByIndex) {
    State.Dishes[2].UnitsSold = 5;
    State.Wines[30].UnitsSold = 5;
    State.Drinks[40].UnitsSold = 5;
    State.Drinks[3].UnitsSold = 5;
    State.Wines[1].UnitsSold = 9;
    State.Dishes[30].UnitsSold = INT_MAX;
    const std::vector<std::string> lines = TopTenLines(State);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Dish30 (2147483647x verkauft.)");
    EXPECT_EQ(lines[1], "Wine1 (9x verkauft.)");
    EXPECT_EQ(lines[2], "Drink3 (5x verkauft.)");
    EXPECT_EQ(lines[3], "Drink40 (5x verkauft.)");
    EXPECT_EQ(lines[4], "Wine30 (5x verkauft.)");
    EXPECT_EQ(lines[5], "Dish2 (5x verkauft.)");
    EXPECT_EQ(lines[6], "Drink1 (0x verkauft.)");
    EXPECT_EQ(lines[9], "Drink5 (0x verkauft.)");
}

TEST_F(TopTen, NegativeCountsAreNeverListed) {
    ForEachArticle(State, [](TArticle& a, ArticleKind, int) { a.UnitsSold = -1; });
    State.Wines[5].UnitsSold = 0;
    State.Dishes[5].UnitsSold = 3;
    EXPECT_EQ(TopTenLines(State),
              (std::vector<std::string>{"Dish5 (3x verkauft.)", "Wine5 (0x verkauft.)"}));
}
