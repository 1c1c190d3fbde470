// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/prices.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

using SalePrice = DialogTest;

TEST(PriceInput, AcceptsTheGrammar) {
    EXPECT_EQ(ParsePrice("2,40"), 2.4);
    EXPECT_EQ(ParsePrice("2,499"), 2.499);
    EXPECT_EQ(ParsePrice("3"), 3.0);
    EXPECT_EQ(ParsePrice("+3"), 3.0);
    EXPECT_EQ(ParsePrice(" 3,5 "), 3.5);
    EXPECT_EQ(ParsePrice("3,5e1"), 35.0);
    EXPECT_EQ(ParsePrice("3,5E+1"), 35.0);
    EXPECT_EQ(ParsePrice("35e-1"), 3.5);
    EXPECT_EQ(ParsePrice(",5"), 0.5);
    EXPECT_EQ(ParsePrice("5,"), 5.0);
    EXPECT_EQ(ParsePrice("-1"), -1.0);
    EXPECT_EQ(ParsePrice("0"), 0.0);
    EXPECT_EQ(ParsePrice("1,7976931348623157e308"), 1.7976931348623157e308);
}

TEST(PriceInput, RefusesEverythingElse) {
    for (const char* text :
         {"",         "   ",  "abc",   "2.40",    "1.000,50", "1 000", "inf", "nan", "-inf",
          "infinity", "0x10", "1e400", "1,8e308", "2,4,0",    ",",     "+",   "-",   "e5",
          "3e",       "3e+",  "3,5 €", "--3",     "+-3",      "3 ,5",  "\t3"})
        EXPECT_FALSE(ParsePrice(text).has_value()) << "'" << text << "'";
}

TEST(PriceInput, TinyNumbersReadAsZeroHugeDigitStringsStillWork) {
    EXPECT_EQ(ParsePrice("1e-400"), 0.0);
    EXPECT_EQ(ParsePrice("0,0000e99999999999999"), 0.0);
    EXPECT_FALSE(ParsePrice("1e99999999999999999999").has_value());
    EXPECT_EQ(ParsePrice("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(ParsePrice(std::string(400, '0') + "12,5"), 12.5);
    EXPECT_FALSE(ParsePrice("1" + std::string(400, '0')).has_value());
    EXPECT_EQ(ParsePrice("0," + std::string(400, '0') + "1e402"), 10.0);
}

TEST_F(SalePrice, RefusalsInOrderAndTheArticleByNameWithinTheKind) {
    TArticle& wine = State.Wines[4];
    wine.SalePrice = 7;
    EXPECT_EQ(SetSalePrice(State, ArticleKind::Wine, "Wine4", "2.40"), PriceOutcome::NotANumber);
    EXPECT_EQ(SetSalePrice(State, ArticleKind::Wine, "Wine4", "0"), PriceOutcome::NotPositive);
    EXPECT_EQ(SetSalePrice(State, ArticleKind::Wine, "Wine4", "-0"), PriceOutcome::NotPositive);
    EXPECT_EQ(SetSalePrice(State, ArticleKind::Wine, "", "abc"), PriceOutcome::NotANumber);
    EXPECT_EQ(SetSalePrice(State, ArticleKind::Dish, "Wine4", "3"), PriceOutcome::NoArticle);
    State.Drinks[1].Name = ShortString50();
    EXPECT_EQ(SetSalePrice(State, std::nullopt, "", "3"), PriceOutcome::NoArticle);
    EXPECT_EQ(State.Drinks[1].SalePrice, 0);
    EXPECT_EQ(wine.SalePrice, 7);

    EXPECT_EQ(SetSalePrice(State, ArticleKind::Wine, "Wine4", "2,499"), PriceOutcome::Set);
    EXPECT_EQ(wine.SalePrice, 2.499);
}

TEST_F(SalePrice, FindsTheFirstArticleOfTheName) {
    State.Dishes[9].Name = ShortString50::FromUtf8("Gulasch");
    State.Dishes[12].Name = ShortString50::FromUtf8("Gulasch");
    EXPECT_EQ(FindArticleByName(State, ArticleKind::Dish, "Gulasch"), 9);
    EXPECT_EQ(FindArticleByName(State, ArticleKind::Dish, "gulasch"), 0);
    EXPECT_EQ(FindArticleByName(State, ArticleKind::Drink, "Gulasch"), 0);
}
