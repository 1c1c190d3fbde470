// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/guests.h"
#include "model_test_support.h"

#include <limits>

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();

void PutOnCard(TArticle& article, double purchase, double sale, int stock = 10) {
    article.Known = true;
    article.OnCard = true;
    article.PurchasePrice = purchase;
    article.SalePrice = sale;
    article.Stock = stock;
}

void Employ(GameState& state, int count) {
    for (int i = 1; i <= count; ++i)
        state.StaffPool[i].Employed = true;
}

// Popularity i for article i, so each visit asks for its own range 70 - i.
template <int N> void NumberPopularities(OneBasedArray<TArticle, N>& articles) {
    for (int i = 1; i <= N; ++i)
        articles[i].Popularity = i;
}

// A search of `count` articles that finds nothing: every visit draws once, index 1 thrice.
void ExpectFruitlessSearch(ScriptedRandom& rng, int count) {
    for (int visit = 0; visit < 2 * count + 1; ++visit)
        rng.Expect(70 - (visit % count + 1), 1);
}

// A guest comes (price rating 100, no crowd bonus, attractiveness 100 -> tip range 300),
// leaves no tip and has the given wishes.
void ExpectGuest(ScriptedRandom& rng, bool drink, bool dish, bool wine, int tipRange = 300) {
    rng.Expect(5, 0).Expect(tipRange, 1).Expect(2, drink).Expect(2, dish).Expect(2, wine);
}

const GuestRatings NoStaff{0, 100};

class GuestTest : public ::testing::Test, public ScriptedGame {};
using Gauges = GuestTest;
using GuestVisit = GuestTest;
using ArticleSearch = GuestTest;
using Sale = GuestTest;

} // namespace

TEST(Ratings, PriceRatingFollowsTheMeanMarginOfAllCards) {
    GameState s;
    EXPECT_EQ(pve(s), 0);
    EXPECT_EQ(ComputePriceRating(s), 100); // 200 capped
    PutOnCard(s.Drinks[50], 2, 3.2);       // margins 1.2, 1.8 and 1.5: mean 1.5
    PutOnCard(s.Wines[1], 4, 5.8);
    PutOnCard(s.Dishes[30], 1, 2.5);
    s.Drinks[1].SalePrice = 1000; // not on a card: does not count
    EXPECT_DOUBLE_EQ(pve(s), 1.5);
    EXPECT_DOUBLE_EQ(ComputePriceRating(s), 50);
    s.Dishes[30].SalePrice = 7.5; // margins 1.2, 1.8, 6.5: mean 3.1666
    EXPECT_NEAR(ComputePriceRating(s), -116.67, 0.01);
}

TEST(Ratings, StaffRatingDependsOnVarietyAndRoundsHalvesToEven) {
    GameState s;
    Employ(s, 2);
    EXPECT_EQ(ComputeStaffRating(s), 100); // no pub: Variety counts as 0
    const auto rating = [&](int staff, int variety) {
        s = GameState{};
        LeasePub(s, 5000).Variety = variety;
        Employ(s, staff);
        return ComputeStaffRating(s);
    };
    EXPECT_EQ(rating(2, 20), 50);
    EXPECT_EQ(rating(2, 100), 10);
    EXPECT_EQ(rating(1, 8), 62);  // 62.5
    EXPECT_EQ(rating(3, 40), 38); // 37.5
    EXPECT_EQ(rating(2, 10), 100);
    EXPECT_EQ(rating(1, -3), 100);
    EXPECT_EQ(rating(0, -3), 0);
    EXPECT_EQ(rating(0, 0), 0);
    EXPECT_EQ(rating(20, std::numeric_limits<int>::min()), 100);
}

TEST(Ratings, AttractivenessAddsTheFourFiguresWithoutOverflow) {
    GameState s;
    EXPECT_EQ(ComputeAttractiveness(s, 48.5, 30), 48 + 30); // no pub: location figures are 0
    TLocation& pub = LeasePub(s, 5000);
    pub.Variety = -7;
    pub.EntertainmentFactor = 100;
    EXPECT_EQ(ComputeAttractiveness(s, -150, 62), -150 - 7 + 100 + 62);
    pub.Variety = IntMax; // from a damaged file
    pub.EntertainmentFactor = IntMax;
    EXPECT_EQ(ComputeAttractiveness(s, 100, 100), IntMax);
    EXPECT_EQ(ComputeAttractiveness(s, -1e300, 100), IntMax);
    pub.Variety = pub.EntertainmentFactor = 0;
    EXPECT_EQ(ComputeAttractiveness(s, -1e300, 0), std::numeric_limits<int>::min());
}

TEST(Ratings, CrowdBonusRoundsHalvesToEven) {
    GameState s;
    EXPECT_EQ(ComputeCrowdBonus(s), 0);
    const auto bonus = [&](int customers) {
        LeasePub(s, customers);
        return ComputeCrowdBonus(s);
    };
    EXPECT_EQ(bonus(2000), 0);
    EXPECT_EQ(bonus(2001), 1);
    EXPECT_EQ(bonus(6000), 2);
    EXPECT_EQ(bonus(18000), 4);
    EXPECT_EQ(bonus(18001), 5);
}

TEST_F(Gauges, StepsShowTheirFigures) {
    TLocation& pub = LeasePub(State, 5000);
    pub.Variety = 20;
    pub.EntertainmentFactor = 50;
    Employ(State, 2);
    PutOnCard(State.Drinks[1], 1, 2.5); // margin 1.5 -> 50
    const double p = PriceGaugeStep(Play);
    EXPECT_EQ(p, 50);
    const GuestRatings r = StaffAndAttractivenessStep(Play, p);
    EXPECT_EQ(Host.Gauges[Gauge::Prices], 50);
    EXPECT_EQ(Host.Gauges[Gauge::Staff], 50);
    EXPECT_EQ(Host.Gauges[Gauge::Attractiveness], 50 + 20 + 50 + 50);
    EXPECT_EQ(r.Attractiveness, 170);
}

// The band table: each row whose condition holds draws, so ratings between two rows draw
// twice and the later draw decides.
TEST(GuestDraw, EveryMatchingRowDrawsAndTheLastDecides) {
    struct Case {
        double Rating;
        std::vector<int> Ranges; // crowd bonus 2
    };
    const std::vector<Case> cases = {
        {100, {3}},        {31, {3}},   {30.5, {3, 8}},     {30, {8}},         {1, {8}},
        {0.5, {8, 18}},    {0, {18}},   {-19, {18}},        {-19.5, {18, 38}}, {-20, {38}},
        {-39.5, {38, 58}}, {-40, {58}}, {-59.5, {58, 118}}, {-60, {118}},      {-99, {118}},
        {-99.5, {118}},    {-100, {}},  {-1e9, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Rating);
        ScriptedGame g;
        LeasePub(g.State, 10000);
        for (std::size_t i = 0; i < c.Ranges.size(); ++i)
            g.Rng.Expect(c.Ranges[i], i + 1 < c.Ranges.size() ? 0 : 1); // the last draw: no guest
        g.Rng.Expect(300, 0);                                           // tip draw, always made
        GuestStep(g.Play, c.Rating, NoStaff);
        EXPECT_EQ(g.State.Wealth, 0);
    }
}

TEST(GuestDraw, RangesFromDamagedFiguresNeverOverflow) {
    ScriptedGame g;
    LeasePub(g.State, std::numeric_limits<int>::min()); // crowd bonus -536871
    g.Rng.Expect(5 + 536871, 1).Expect(IntMax, 1);      // 400 - INT_MIN is beyond the int range
    GuestStep(g.Play, 100, {0, std::numeric_limits<int>::min()});
}

TEST_F(GuestVisit, ATipComesOnlyWithAGuest) {
    Rng.Expect(5, 0).Expect(0, 0).Expect(50, 49).Expect(2, 0).Expect(2, 0).Expect(2, 0);
    GuestStep(Play, 100, {0, 400});
    EXPECT_EQ(State.Wealth, 49);

    Rng.Expect(5, 4).Expect(0, 0); // no guest: the tip draw is made, but no tip
    GuestStep(Play, 100, {0, 400});
    EXPECT_EQ(State.Wealth, 49);
}

TEST_F(GuestVisit, ServesWineThenDrinkThenDish) {
    LeasePub(State, 0);
    State.Wines[1].Popularity = 10;
    State.Drinks[1].Popularity = 20;
    State.Dishes[1].Popularity = 30;
    PutOnCard(State.Wines[1], 3, 5);
    PutOnCard(State.Drinks[1], 1, 2);
    PutOnCard(State.Dishes[1], 4, 9);
    ExpectGuest(Rng, true, true, true);
    Rng.Expect(60, 0).Expect(50, 0).Expect(40, 0); // each found at its first visit
    GuestStep(Play, 100, NoStaff);
    EXPECT_EQ(State.Wealth, 5 + 2 + 9);
    EXPECT_EQ(State.Locations[1].Variety, 3);
    EXPECT_EQ(Host.Gauges[Gauge::Variety], 3);
    for (const TArticle* a : {&State.Wines[1], &State.Drinks[1], &State.Dishes[1]}) {
        EXPECT_EQ(a->Stock, 9);
        EXPECT_EQ(a->UnitsSold, 1);
    }
}

TEST_F(ArticleSearch, VisitsEveryIndexTwiceAndIndexOneAThirdTime) {
    LeasePub(State, 0).Variety = 5;
    NumberPopularities(State.Drinks);
    ExpectGuest(Rng, true, false, false);
    ExpectFruitlessSearch(Rng, DrinkCount);
    GuestStep(Play, 100, NoStaff);
    EXPECT_EQ(State.Locations[1].Variety, 4);
}

TEST_F(ArticleSearch, SuccessAtTheLastVisitLowersThenRaisesVariety) {
    LeasePub(State, 0).Variety = 100;
    NumberPopularities(State.Dishes);
    PutOnCard(State.Dishes[1], 2, 4);
    ExpectGuest(Rng, false, true, false);
    for (int visit = 0; visit < 2 * DishCount; ++visit)
        Rng.Expect(70 - (visit % DishCount + 1), 1);
    Rng.Expect(69, 0);
    GuestStep(Play, 100, NoStaff);
    EXPECT_EQ(State.Locations[1].Variety, 100); // 100 - 1 + 1
    EXPECT_EQ(State.Wealth, 4);
    EXPECT_EQ(State.Dishes[1].Stock, 9);
}

TEST_F(ArticleSearch, SkipsArticlesOffTheCardOrOutOfStockButStillDraws) {
    LeasePub(State, 0);
    NumberPopularities(State.Wines);
    PutOnCard(State.Wines[1], 1, 2, 0); // sold out
    State.Wines[2].Known = true;        // known, not on the card
    PutOnCard(State.Wines[3], 1, 3);
    ExpectGuest(Rng, false, false, true);
    Rng.Expect(69, 0).Expect(68, 0).Expect(67, 0);
    GuestStep(Play, 100, NoStaff);
    EXPECT_EQ(State.Wines[1].Stock, 0);
    EXPECT_EQ(State.Wines[3].Stock, 9);
    EXPECT_EQ(State.Wealth, 3);
}

TEST(Variety, StaysWithinItsBounds) {
    struct Case {
        int Before;
        bool Sale;
        int After;
    };
    // A saved game may bring values from outside -100..100; they are brought back in.
    const std::vector<Case> cases = {{-100, false, -100}, {-99, false, -100}, {100, true, 100},
                                     {99, true, 100},     {500, true, 100},   {-500, true, -100},
                                     {500, false, 100},   {-500, false, -100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Before << (c.Sale ? " sale" : " nothing found"));
        ScriptedGame g;
        GameState& s = g.State;
        LeasePub(s, 0).Variety = c.Before;
        NumberPopularities(s.Wines);
        PutOnCard(s.Wines[1], 1, 2);
        ExpectGuest(g.Rng, false, false, true);
        if (c.Sale)
            g.Rng.Expect(69, 0);
        else
            ExpectFruitlessSearch(g.Rng, WineCount);
        GuestStep(g.Play, 100, NoStaff);
        EXPECT_EQ(s.Locations[1].Variety, c.After);
        EXPECT_EQ(g.Host.Gauges[Gauge::Variety], c.After);
    }
}

TEST(Variety, IsLeftAloneWithoutAPub) {
    ScriptedGame g;
    GameState& s = g.State;
    s.Locations[1].Variety = 7;
    NumberPopularities(s.Wines);
    ExpectGuest(g.Rng, false, false, true);
    ExpectFruitlessSearch(g.Rng, WineCount);
    GuestStep(g.Play, 100, NoStaff);
    EXPECT_EQ(s.Locations[1].Variety, 7);
    EXPECT_EQ(g.Host.Gauges.count(Gauge::Variety), 0u);
}

TEST_F(Sale, UnitsSoldSaturatesAndOddPopularityMakesAnEmptyRange) {
    LeasePub(State, 0);
    PutOnCard(State.Drinks[1], 1, 2);
    State.Drinks[1].UnitsSold = IntMax;
    State.Drinks[1].Popularity = 80; // Random(-10) gives 0
    ExpectGuest(Rng, true, false, false);
    Rng.Expect(-10, 0);
    GuestStep(Play, 100, NoStaff);
    EXPECT_EQ(State.Drinks[1].UnitsSold, IntMax);
    EXPECT_EQ(State.Drinks[1].Stock, 9);
}
