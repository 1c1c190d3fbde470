#include "game/bank.h"
#include "game/entertainment.h"
#include "game/top_ten.h"
#include "tests/game/dialog_test_support.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Entertainment, ExactlyFourThousandBuysAndRaisesTheLeasedPub) {
    DialogGame g;
    g.State.LeasedLocation = 7;
    g.State.Wealth = 4000;
    EXPECT_EQ(BuyEntertainment(g.Play, Entertainment::Television), 50);
    EXPECT_EQ(g.State.Wealth, 0);
    EXPECT_EQ(g.State.Locations[7].EntertainmentFactor, 50);
    EXPECT_FALSE(g.State.Controls.TvPurchasable);
    EXPECT_TRUE(g.State.Controls.MusiciansPurchasable);
    EXPECT_EQ(g.Host.MoneyRefreshes, 1);

    g.State.Wealth = 3999.99;
    EXPECT_FALSE(BuyEntertainment(g.Play, Entertainment::Musicians).has_value());
    EXPECT_EQ(g.State.Wealth, 3999.99);
    EXPECT_EQ(g.State.Locations[7].EntertainmentFactor, 50);
    EXPECT_TRUE(g.State.Controls.MusiciansPurchasable);

    g.State.Wealth = 5000;
    EXPECT_EQ(BuyEntertainment(g.Play, Entertainment::Musicians), 100);
    EXPECT_FALSE(g.State.Controls.MusiciansPurchasable);
    EXPECT_EQ(NotEnoughMoneyForEntertainmentMessage(Entertainment::Television),
              "Sie haben leider nicht genügend Geld für den Kauf des Fernsehers.");
    EXPECT_EQ(NotEnoughMoneyForEntertainmentMessage(Entertainment::Musicians),
              "Sie haben leider nicht genügend Geld um die Unterhalter zu bezahlen.");
}

TEST(Bank, FirstDayExample) {
    DialogGame g;
    g.State.Wealth = 10000;
    double limit = ComputeCreditLimit(g.State);
    EXPECT_EQ(limit, 10000);
    EXPECT_EQ(TakeCredit(g.State, limit, 10000), "");
    EXPECT_EQ(g.State.Debt, 10000);
    EXPECT_EQ(g.State.Wealth, 20000);
    limit = ComputeCreditLimit(g.State);
    EXPECT_EQ(limit, 10000);
    EXPECT_EQ(TakeCredit(g.State, limit, 1), CreditRefusedMessage);
    EXPECT_EQ(TakeCredit(g.State, limit, 0), "");
    EXPECT_EQ(g.State.Debt, 10000);
}

TEST(Bank, LimitCountsEveryArticleStockAtSalePrice) {
    DialogGame g;
    g.State.Wealth = -100;
    g.State.Debt = 50;
    g.State.Drinks[50].Stock = 3;
    g.State.Drinks[50].SalePrice = 2.5;
    g.State.Dishes[1].Stock = 10;
    g.State.Dishes[1].SalePrice = 1;
    EXPECT_EQ(ComputeCreditLimit(g.State), 7.5 + 10 - 100 - 50);
    // Debt above the limit: even 0 is refused.
    EXPECT_EQ(TakeCredit(g.State, -132.5, 0), CreditRefusedMessage);
}

TEST(Bank, RepaymentChecksMoneyFirstThenDebt) {
    DialogGame g;
    g.State.Wealth = 100;
    g.State.Debt = 50;
    EXPECT_EQ(RepayDebt(g.State, 101), RepayMoreThanWealthMessage);
    EXPECT_EQ(RepayDebt(g.State, 51), RepayMoreThanDebtMessage);
    EXPECT_EQ(g.State.Wealth, 100);
    EXPECT_EQ(RepayDebt(g.State, 50), "");
    EXPECT_EQ(g.State.Debt, 0);
    EXPECT_EQ(g.State.Wealth, 50);
}

TEST(TopTen, StartOfGameListsTheFirstTenDrinks) {
    DialogGame g;
    const std::vector<std::string> lines = TopTenLines(g.State);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Drink1 (0x verkauft.)");
    EXPECT_EQ(lines[9], "Drink10 (0x verkauft.)");
}

TEST(TopTen, TiesGoDrinkWineDishAndByIndex) {
    DialogGame g;
    g.State.Dishes[2].UnitsSold = 5;
    g.State.Wines[30].UnitsSold = 5;
    g.State.Drinks[40].UnitsSold = 5;
    g.State.Drinks[3].UnitsSold = 5;
    g.State.Wines[1].UnitsSold = 9;
    g.State.Dishes[30].UnitsSold = INT_MAX;
    const std::vector<std::string> lines = TopTenLines(g.State);
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

TEST(TopTen, NegativeCountsAreNeverListed) {
    DialogGame g;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i)
            Article(g.State, kind, i).UnitsSold = -1;
    g.State.Wines[5].UnitsSold = 0;
    g.State.Dishes[5].UnitsSold = 3;
    EXPECT_EQ(TopTenLines(g.State),
              (std::vector<std::string>{"Dish5 (3x verkauft.)", "Wine5 (0x verkauft.)"}));
}
