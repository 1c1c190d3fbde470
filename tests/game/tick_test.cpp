// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"
#include "game/goals.h"
#include "game/tick.h"
#include "model_test_support.h"

#include <functional>
#include <limits>

namespace {

const std::string InterestFor1234 = "Die Kreditzinsen von 12,34 € werden fällig.";
const std::string RentMessage = "Die Pacht für ihr Krugheim (Standort: Hafen) wird fällig.";
const std::string Bankrupt =
    "Sie haben nicht genügend Geld um Ihre Pacht zu zahlen. Sie sind pleite.";

// A running game: the timer is on, as it is while ticks come.
class TickTest : public ::testing::Test, public ScriptedGame {
protected:
    TickTest() { Host.TimerOn = true; }

    void SetClock(int day, int hour, int minute) {
        State.GameClock = EncodeDateTime(2026, 12, day, hour, minute);
    }

    TickOutcome QuietTick(int guestRange = 5, int tipRange = 300) {
        ExpectQuietTick(Rng, guestRange, tipRange);
        return Tick(Play);
    }

    // Runs quiet ticks until `done` holds; returns how many ran.
    int TickUntil(const std::function<bool()>& done, int limit = 2000) {
        int ticks = 0;
        while (!done() && ticks < limit) {
            QuietTick();
            ++ticks;
        }
        return ticks;
    }
};

using TickClock = TickTest;
using Deliveries = TickTest;
using Goals = TickTest;
using EventRoll = TickTest;
using TickGauges = TickTest;

// The tick at 00:30 that settles the day.
class DayEnd : public TickTest {
protected:
    DayEnd() { SetClock(8, 0, 30); }
};

TStaffMember& Hire(GameState& state, int i, const char* name, int wage) {
    TStaffMember& member = state.StaffPool[i];
    member.Name = ShortString50::FromUtf8(name);
    member.WagePerDay = wage;
    member.Employed = true;
    return member;
}

void PutEverythingOnTheCards(GameState& state) {
    ForEachArticle(state, [](TArticle& a, ArticleKind, int) { a.Known = a.OnCard = true; });
}

void Order(TArticle& article, const char* name, double price, int minutes) {
    article.Name = ShortString50::FromUtf8(name);
    article.PurchasePrice = price;
    article.DeliveryMinutes = minutes;
}

} // namespace

TEST_F(TickClock, DayEndsOnlyInTheTickThatFindsHalfPastMidnight) {
    SetClock(8, 0, 29);
    State.Debt = 1234;
    State.Wealth = 1000;

    EXPECT_EQ(QuietTick(), TickOutcome::Continue);
    EXPECT_EQ(Host.ClockText, "08.12.2026 00:30");
    EXPECT_TRUE(Host.Messages.empty());

    QuietTick();
    EXPECT_EQ(Host.ClockText, "08.12.2026 09:00");
    EXPECT_EQ(Host.Messages, std::vector<std::string>{InterestFor1234});
    EXPECT_EQ(Host.TimerDuringMessage, std::vector<bool>{false});
    EXPECT_TRUE(Host.TimerOn);
    EXPECT_DOUBLE_EQ(State.Wealth, 1000 - 12.34);

    QuietTick();
    EXPECT_EQ(Host.ClockText, "08.12.2026 09:01");
}

TEST_F(TickClock, AClockStartedAtThreeRunsOnToTheNextDayEnd) {
    SetClock(7, 3, 0);
    State.Debt = 1234;
    const int ticks = TickUntil([&] { return !Host.Messages.empty(); });
    EXPECT_EQ(ticks, 21 * 60 + 30 + 1);
    EXPECT_EQ(Host.ClockText, "08.12.2026 09:00");
}

TEST_F(DayEnd, NothingIsChargedWithoutDebtStaffOrPub) {
    State.Wealth = 5;
    QuietTick();
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(State.Wealth, 5);
}

TEST_F(DayEnd, WagesSkipAnUnpaidMemberAndPayTheNextWithoutStoppingTheTimer) {
    State.Wealth = 100;
    Hire(State, 1, "Hans Becker", 50);
    Hire(State, 2, "Jürgen Weber", 500);
    Hire(State, 3, "Karin Lange", 30);
    QuietTick(5, 200); // staff rating 100
    EXPECT_EQ(Host.Messages, std::vector<std::string>{
                                 "Sie konnten Jürgen Weber nicht bezahlen. Jürgen Weber kündigt."});
    EXPECT_EQ(Host.TimerDuringMessage, std::vector<bool>{true});
    EXPECT_EQ(State.Wealth, 20);
    EXPECT_TRUE(State.StaffPool[1].Employed);
    EXPECT_FALSE(State.StaffPool[2].Employed);
    EXPECT_TRUE(State.StaffPool[3].Employed);
}

TEST_F(DayEnd, RentEqualToWealthIsPaid) {
    State.Wealth = 400;
    LeasePub(State, 0).RentPerDay = 400;
    QuietTick();
    EXPECT_EQ(State.Wealth, 0);
    EXPECT_EQ(Host.Messages, std::vector<std::string>{RentMessage});
    EXPECT_EQ(Host.TimerDuringMessage, std::vector<bool>{false});
    EXPECT_TRUE(Host.TimerOn);
    EXPECT_FALSE(Host.QuitCalled);
}

TEST_F(DayEnd, BankruptcyQuitsAndEndsTheTick) {
    State.Wealth = 399.99;
    LeasePub(State, 0).RentPerDay = 400;
    State.Drinks[1].DeliveryMinutes = 2;
    Rng.Expect(1440, 1000); // the event roll comes before the clock; nothing is drawn after
    EXPECT_EQ(Tick(Play), TickOutcome::GameOver);
    EXPECT_TRUE(Host.QuitCalled);
    EXPECT_EQ(Host.Messages, std::vector<std::string>{Bankrupt});
    EXPECT_EQ(Host.TimerDuringMessage, std::vector<bool>{false});
    EXPECT_FALSE(Host.TimerOn);
    EXPECT_EQ(State.Wealth, 399.99);
    EXPECT_EQ(State.Drinks[1].DeliveryMinutes, 2);
    EXPECT_EQ(Host.ClockText, "");
    EXPECT_EQ(Host.MoneyRefreshes, 0);
    EXPECT_EQ(Host.Gauges.count(Gauge::Staff), 0u);
}

TEST_F(Deliveries, CountdownsOfTwoAndOneArriveInTheNextTickZeroNever) {
    State.Wealth = 1000;
    Order(State.Drinks[1], "Pils", 2, 2);
    Order(State.Drinks[2], "Cola", 2, 1);
    Order(State.Drinks[3], "Milch", 2, 0);
    Order(State.Drinks[4], "Kakao", 2, 3);
    Order(State.Drinks[5], "Gin", 2, -4); // only a damaged file has this; it never arrives
    QuietTick();
    EXPECT_EQ(Host.Messages, (std::vector<std::string>{"Getränk Pils wurde soeben geliefert.",
                                                       "Getränk Cola wurde soeben geliefert."}));
    EXPECT_EQ(Host.TimerDuringMessage, (std::vector<bool>{false, false}));
    EXPECT_TRUE(Host.TimerOn);
    EXPECT_EQ(State.Drinks[1].Stock, 20);
    EXPECT_EQ(State.Drinks[1].DeliveryMinutes, 0);
    EXPECT_EQ(State.Drinks[2].Stock, 20);
    EXPECT_EQ(State.Drinks[3].Stock, 0);
    EXPECT_EQ(State.Drinks[4].DeliveryMinutes, 2);
    EXPECT_EQ(State.Wealth, 1000 - 2 * 40);

    QuietTick();
    EXPECT_EQ(State.Drinks[4].Stock, 20);
    EXPECT_EQ(State.Drinks[5].DeliveryMinutes, -4);
    EXPECT_EQ(State.Drinks[5].Stock, 0);
    QuietTick();
    EXPECT_EQ(Host.Messages.size(), 3u);
}

TEST_F(Deliveries, CostEqualToWealthIsDeliveredAndMoreIsRefused) {
    State.Wealth = 100;
    Order(State.Dishes[1], "Hackse", 1, 1); // comes after the wine, when the money is gone
    Order(State.Wines[1], "Regent", 5, 1);
    QuietTick();
    EXPECT_EQ(Host.Messages,
              (std::vector<std::string>{
                  "Wein Regent wurde soeben geliefert.",
                  "Ein Lieferant wollte gerade die Speise Hackse liefern. Sie haben allerdings "
                  "nicht genügend Geld. Der Lieferant fährt weg, ohne zu liefern."}));
    EXPECT_EQ(Host.TimerDuringMessage, (std::vector<bool>{false, false}));
    EXPECT_EQ(State.Wealth, 0);
    EXPECT_EQ(State.Wines[1].Stock, 20);
    EXPECT_EQ(State.Dishes[1].Stock, 0);
    EXPECT_EQ(State.Dishes[1].DeliveryMinutes, 0);
}

TEST_F(Deliveries, WithoutNotificationOnlyRefusalsAreShown) {
    State.Wealth = 50;
    State.Controls.NotifyOnDelivery = false;
    State.Controls.StorageOrderQuantity = 7; // the quantity at delivery time counts
    Order(State.Drinks[1], "Pils", 2, 1);
    Order(State.Drinks[2], "Sekt", 8, 1);
    Order(State.Wines[3], "Kerner", 9, 1);
    Order(State.Dishes[4], "Forelle", 1, 1);
    QuietTick();
    EXPECT_EQ(Host.Messages,
              (std::vector<std::string>{
                  "Ein Lieferant wollte gerade das Getränk Sekt liefern. Sie haben allerdings "
                  "nicht genügend Geld. Der Lieferant fährt weg, ohne zu liefern.",
                  "Ein Lieferant wollte gerade den Wein Kerner liefern. Sie haben allerdings "
                  "nicht genügend Geld. Der Lieferant fährt weg, ohne zu liefern."}));
    EXPECT_EQ(State.Drinks[1].Stock, 7);
    EXPECT_EQ(State.Dishes[4].Stock, 7);
    EXPECT_EQ(State.Wealth, 50 - 14 - 7);
}

TEST_F(Deliveries, ComeBeforeTheGuestsOfTheSameTick) {
    LeasePub(State, 0);
    State.Controls.NotifyOnDelivery = false;
    TArticle& pils = State.Drinks[1];
    Order(pils, "Pils", 1, 1);
    pils.Known = pils.OnCard = true;
    pils.SalePrice = 2.5; // margin 1.5: price rating 50
    pils.Popularity = 40;
    State.Wealth = 100;
    Rng.Expect(1440, 1000).Expect(5, 0).Expect(350, 1); // a guest, no tip
    Rng.Expect(2, 1).Expect(2, 0).Expect(2, 0).Expect(30, 0);
    EXPECT_EQ(Tick(Play), TickOutcome::Continue);
    EXPECT_EQ(pils.Stock, 19);
    EXPECT_EQ(pils.UnitsSold, 1);
    EXPECT_EQ(State.Wealth, 100 - 20 + 2.5);
    EXPECT_EQ(Host.MoneyRefreshes, 1);
}

TEST_F(Goals, ReachedAtExactly100000WithEverythingOnTheCards) {
    PutEverythingOnTheCards(State);
    State.Wealth = 100099.99;
    State.Debt = 100;
    EXPECT_EQ(QuietTick(), TickOutcome::Continue); // 99,999.99 is not enough
    EXPECT_FALSE(Host.QuitCalled);

    State.Wealth = 100100;
    EXPECT_EQ(Tick(Play), TickOutcome::GameOver); // no draw at all
    const std::vector<std::string> messages = {
        "Herzlichen Glückwunsch. Sie haben alle Spielziele erreicht.",
        "Zur Belohnung gibt es jetzt die Cheats.",
        "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F12\" und Ihr Vermögen "
        "steigt um 10.000 €.",
        "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F11\" und Ihnen sind alle "
        "Getränke bekannt.",
        "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F10\" und Ihnen sind alle "
        "Weine bekannt.",
        "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F9\" und Ihnen sind alle "
        "Speisen bekannt.",
        "Das Spiel endet hier. Nochmals herzlichen Glückwunsch!"};
    EXPECT_EQ(Host.Messages, messages);
    EXPECT_EQ(Host.TimerDuringMessage, std::vector<bool>(7, false));
    EXPECT_TRUE(Host.QuitCalled);
    EXPECT_EQ(Host.MoneyRefreshes, 1); // only from the first tick
}

TEST_F(Goals, OneArticleOffItsCardIsNotEnough) {
    PutEverythingOnTheCards(State);
    State.Dishes[30].OnCard = false;
    State.Wealth = 1e6;
    EXPECT_EQ(QuietTick(), TickOutcome::Continue);
}

TEST_F(EventRoll, OpensTheEventWindowAndTheTickGoesOn) {
    Rng.Expect(1440, 0).Expect(31, 3).Expect(5, 1).Expect(300, 1);
    EXPECT_EQ(Tick(Play), TickOutcome::Continue);
    EXPECT_EQ(Play.Event.CurrentEvent, 7);
    EXPECT_EQ(Host.EventWindowShown, 1);
    EXPECT_FALSE(Host.TimerOn);
    EXPECT_EQ(Host.MoneyRefreshes, 1);

    Rng.Expect(1440, 2).Expect(3, 2).Expect(5, 1).Expect(300, 1); // no dish is known
    Tick(Play);
    EXPECT_EQ(Play.Event.CurrentEvent, 3);
    EXPECT_EQ(Host.EventWindowShown, 2);

    QuietTick(); // a roll of 3 or more raises nothing
    EXPECT_EQ(Host.EventWindowShown, 2);
}

// The timer has one switch: an interest message after the event's pick switches it back on.
TEST_F(EventRoll, AMessageOfTheSameTickRestartsTheTimer) {
    SetClock(8, 0, 30);
    State.Debt = 1234;
    Rng.Expect(1440, 0).Expect(31, 0).Expect(5, 1).Expect(300, 1);
    Tick(Play);
    EXPECT_EQ(Host.EventWindowShown, 1);
    EXPECT_EQ(Host.Messages, std::vector<std::string>{InterestFor1234});
    EXPECT_TRUE(Host.TimerOn);
}

TEST_F(TickGauges, ShowThePubsFiguresOrZeroWithoutAPub) {
    QuietTick();
    EXPECT_EQ(Host.Gauges[Gauge::Entertainment], 0);
    EXPECT_EQ(Host.Gauges[Gauge::Prices], 100);
    EXPECT_EQ(Host.Gauges[Gauge::Staff], 0);
    EXPECT_EQ(Host.Gauges[Gauge::Attractiveness], 100);

    TLocation& pub = LeasePub(State, 20000); // crowd bonus 5
    pub.EntertainmentFactor = 50;
    QuietTick(0, 250);
    EXPECT_EQ(Host.Gauges[Gauge::Entertainment], 50);
    EXPECT_EQ(Host.Gauges[Gauge::Attractiveness], 150);
}

TEST_F(Goals, MoneyCountsWithoutDebt) {
    GameState s;
    s.Wealth = 150000;
    s.Debt = 60000;
    EXPECT_FALSE(WealthGoalReached(s));
    s.Debt = 50000;
    EXPECT_TRUE(WealthGoalReached(s));
    EXPECT_FALSE(AllOnCard(s, ArticleKind::Wine));
    PutEverythingOnTheCards(s);
    EXPECT_TRUE(GoalsReached(s));
}

// Any value a saved game can carry must keep the tick well defined (run this under the
// sanitizer build to see it).
TEST(DamagedGame, ExtremeFiguresKeepTheTickWellDefined) {
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    GameRandom rng(3);
    RecordingHost host;
    Game game(rng, host);
    GameState& s = game.State;
    TLocation& pub = LeasePub(s, Max); // a guest every minute
    pub.Variety = Max;
    pub.EntertainmentFactor = Min;
    pub.RentPerDay = -1;
    s.Controls.StorageOrderQuantity = Max;
    ForEachArticle(s, [](TArticle& a, ArticleKind, int i) {
        a.OnCard = true;
        a.Stock = Max;
        a.UnitsSold = Max;
        a.Popularity = i % 2 ? Min : Max;
        a.DeliveryMinutes = i % 3 ? Min : 1;
        a.SalePrice = a.PurchasePrice = 1e308;
    });
    s.Dishes[30].OnCard = false; // no win by the largest money
    Hire(s, 1, "Hans Becker", Min);
    s.GameClock = EncodeDateTime(9999, 12, 30);
    for (int i = 0; i < 2000 && !host.QuitCalled; ++i)
        Tick(game);
    EXPECT_GE(pub.Variety, -100);
    EXPECT_LE(pub.Variety, 100);
    EXPECT_LT(s.Drinks[2].Stock, Max); // guests did buy
    EXPECT_EQ(s.Drinks[3].Stock, Max);
    EXPECT_EQ(s.Wealth, std::numeric_limits<double>::max());
}
