#include "game/prices.h"
#include "tests/game/dialog_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SalePrice, RefusalsInOrderAndTheArticleByNameWithinTheKind) {
    DialogGame g;
    TArticle& wine = g.State.Wines[4];
    wine.SalePrice = 7;
    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Wine, "Wine4", "2.40"), PriceOutcome::NotANumber);
    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Wine, "Wine4", "0"), PriceOutcome::NotPositive);
    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Wine, "Wine4", "-0"), PriceOutcome::NotPositive);
    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Wine, "", "abc"), PriceOutcome::NotANumber);
    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Dish, "Wine4", "3"), PriceOutcome::NoArticle);
    g.State.Drinks[1].Name = ShortString50();
    EXPECT_EQ(SetSalePrice(g.State, std::nullopt, "", "3"), PriceOutcome::NoArticle);
    EXPECT_EQ(g.State.Drinks[1].SalePrice, 0);
    EXPECT_EQ(wine.SalePrice, 7);

    EXPECT_EQ(SetSalePrice(g.State, ArticleKind::Wine, "Wine4", "2,499"), PriceOutcome::Set);
    EXPECT_EQ(wine.SalePrice, 2.499);
}

TEST(SalePrice, FindsTheFirstArticleOfTheName) {
    DialogGame g;
    g.State.Dishes[9].Name = ShortString50::FromUtf8("Gulasch");
    g.State.Dishes[12].Name = ShortString50::FromUtf8("Gulasch");
    EXPECT_EQ(FindArticleByName(g.State, ArticleKind::Dish, "Gulasch"), 9);
    EXPECT_EQ(FindArticleByName(g.State, ArticleKind::Dish, "gulasch"), 0);
    EXPECT_EQ(FindArticleByName(g.State, ArticleKind::Drink, "Gulasch"), 0);
}
