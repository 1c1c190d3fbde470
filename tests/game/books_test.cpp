// SPDX-License-Identifier: GPL-3.0-or-later
// What the random games cannot tell: that each change of money is booked under its own
// category, which day it goes to, and to which article.
#include "game/bank.h"
#include "game/booking.h"
#include "game/cards.h"
#include "game/date_time.h"
#include "game/entertainment.h"
#include "game/new_game.h"
#include "game/rewards.h"
#include "game/staff.h"
#include "game/tick.h"
#include "model_test_support.h"

#include <functional>
#include <utility>
#include <vector>

namespace {

using Bookings = std::vector<std::pair<Booking, double>>;

class BookingRecorder final : public BookingListener {
public:
    void Booked(Booking category, double change) override { Seen.push_back({category, change}); }
    Bookings Seen;
};

// A game with a recorder on its books, 1000 EUR and orders of 20 units.
struct BookedGame : DialogGame {
    BookedGame() {
        Play.Books.SetListener(&Recorder);
        State.Wealth = 1000;
        State.Controls.CardOrderQuantity = 20;
        State.Controls.StorageOrderQuantity = 20;
    }
    BookingRecorder Recorder;
};

// The tick at 00:30 of 8 December with a waiter earning 30, a rent of 100 and 20 units of
// drink 1 at 2 EUR arriving: no event, no guest.
void DayEndWithADelivery(BookedGame& g) {
    g.State.GameClock = EncodeDateTime(2026, 12, 8, 0, 30);
    g.State.StaffPool[1].Employed = true;
    g.State.StaffPool[1].WagePerDay = 30;
    LeasePub(g.State, 100).RentPerDay = 100;
    g.State.Drinks[1].PurchasePrice = 2;
    g.State.Drinks[1].DeliveryMinutes = 2;
    ExpectQuietTick(g.Rng, 5, 200);
    Tick(g.Play);
}

// A guest who leaves a tip of 7 and buys drink 1 at 9.50.
void GuestBuysADrink(BookedGame& g) {
    LeasePub(g.State, 100);
    TArticle& drink = g.State.Drinks[1];
    drink.OnCard = true;
    drink.PurchasePrice = 8;
    drink.SalePrice = 9.5;
    drink.Stock = 5;
    drink.Popularity = 40;
    // No event; price rating 50, so Random(5) for the guest and Random(400 - 50) for the tip.
    g.Rng.Expect(1440, 1000).Expect(5, 0).Expect(350, 0).Expect(50, 7);
    g.Rng.Expect(2, 1).Expect(2, 0).Expect(2, 0).Expect(30, 0);
    Tick(g.Play);
}

// Answers the event, then presses "OK" while the window stays open.
void Answer(BookedGame& g, int event, bool (*answer)(Game&)) {
    ShowEvent(g.Play.Event, event);
    while (!answer(g.Play))
        answer = AnswerOk;
}

struct Case {
    const char* What;
    double Wealth;
    double Debt;
    std::function<void(BookedGame&)> Do;
    Bookings Expected;
};

const std::vector<Case> BookedCases = {
    {"sale and tip", 1000, 0, GuestBuysADrink, {{Booking::Tips, 7}, {Booking::DrinkSales, 9.5}}},
    {"day end",
     1000,
     1234,
     DayEndWithADelivery,
     {{Booking::Interest, -12.34},
      {Booking::Wages, -30},
      {Booking::Rent, -100},
      {Booking::Deliveries, -40}}},
    {"card tick",
     1000,
     0,
     [](BookedGame& g) {
         g.State.Wines[2].PurchasePrice = 8;
         PutOnCard(g.Play, ArticleKind::Wine, 2);
     },
     {{Booking::CardStock, -160}}},
    {"card tick refused",
     1000,
     0,
     [](BookedGame& g) {
         g.State.Wines[2].PurchasePrice = 51;
         PutOnCard(g.Play, ArticleKind::Wine, 2);
     },
     {}},
    {"last wage",
     1000,
     0,
     [](BookedGame& g) {
         g.State.StaffCursor = 3;
         g.State.StaffPool[3].Employed = true;
         g.State.StaffPool[3].WagePerDay = 44;
         DismissShownStaffMember(g.Play);
     },
     {{Booking::LastWages, -44}}},
    {"hiring", 1000, 0, [](BookedGame& g) { HireShownStaffMember(g.State); }, {}},
    {"TV set",
     4000,
     0,
     [](BookedGame& g) { BuyEntertainment(g.Play, Entertainment::Television); },
     {{Booking::Television, -4000}}},
    {"musicians",
     4000,
     0,
     [](BookedGame& g) { BuyEntertainment(g.Play, Entertainment::Musicians); },
     {{Booking::Musicians, -4000}}},
    {"credit taken",
     1000,
     0,
     [](BookedGame& g) { TakeCredit(g.Play, 2000, 1500); },
     {{Booking::CreditTaken, 1500}}},
    {"credit repaid",
     1000,
     800,
     [](BookedGame& g) { RepayDebt(g.Play, 600); },
     {{Booking::CreditRepaid, -600}}},
    {"repayment refused", 1000, 0, [](BookedGame& g) { RepayDebt(g.Play, 600); }, {}},
    {"reward key F12",
     1000,
     0,
     [](BookedGame& g) { GrantReward(g.Play, RewardKey::F12); },
     {{Booking::Reward, 10000}}},
    {"reward key F11", 1000, 0, [](BookedGame& g) { GrantReward(g.Play, RewardKey::F11); }, {}},
    {"event receipt",
     1000,
     0,
     [](BookedGame& g) { Answer(g, 7, AnswerOk); },
     {{Booking::EventReceipts, 700}}},
    {"event payment",
     1000,
     0,
     [](BookedGame& g) { Answer(g, 6, AnswerOk); },
     {{Booking::EventPayments, -1500}}},
    {"two-stage event lost",
     1000,
     0,
     [](BookedGame& g) { Answer(g, 13, AnswerYes); },
     {{Booking::EventPayments, -300}}},
    {"two-stage event won",
     1000,
     0,
     [](BookedGame& g) { Answer(g, 12, AnswerYes); },
     {{Booking::EventReceipts, 300}}},
    {"name of a drink bought",
     1000,
     0,
     [](BookedGame& g) { Answer(g, 1, AnswerYes); },
     {{Booking::ArticleOffers, -600}}},
    {"name of a dish declined", 1000, 0, [](BookedGame& g) { Answer(g, 3, AnswerNo); }, {}},
};

} // namespace

TEST(Books, EachChangeOfMoneyIsBookedUnderItsCategory) {
    for (const Case& c : BookedCases) {
        BookedGame g;
        g.State.Wealth = c.Wealth;
        g.State.Debt = c.Debt;
        double wealth = c.Wealth;
        double debt = c.Debt;
        c.Do(g);
        EXPECT_EQ(g.Recorder.Seen, c.Expected) << c.What;
        // The money moved by the bookings and nothing else; credit moves the debt as well.
        const PeriodBook total = g.Play.Books.Total();
        for (const auto& [category, amount] : c.Expected) {
            wealth = SaturatedSum(wealth, amount);
            if (category == Booking::CreditTaken || category == Booking::CreditRepaid)
                debt = SaturatedSum(debt, amount);
            EXPECT_EQ(total.Amounts[Slot(category)], amount) << c.What;
        }
        EXPECT_EQ(g.State.Wealth, wealth) << c.What;
        EXPECT_EQ(g.State.Debt, debt) << c.What;
    }
}

TEST(Books, TheDayEndChargesBelongToTheDayThatEnds) {
    BookedGame g;
    g.State.Debt = 1234;
    DayEndWithADelivery(g);
    const PubBooks& books = g.Play.Books;
    ASSERT_EQ(books.DayCount(), 2);
    const DayBook& ended = books.Day(0);
    EXPECT_EQ(ended.Amounts[Slot(Booking::Interest)], -12.34);
    EXPECT_EQ(ended.Amounts[Slot(Booking::Wages)], -30);
    EXPECT_EQ(ended.Amounts[Slot(Booking::Rent)], -100);
    EXPECT_EQ(ended.Amounts[Slot(Booking::Deliveries)], 0);
    EXPECT_DOUBLE_EQ(ended.EndWealth, 1000 - 12.34 - 30 - 100);
    EXPECT_EQ(ended.EndDebt, 1234);

    // The delivery of 09:00 opens the next day.
    const DayBook& today = books.Today();
    EXPECT_EQ(&today, &books.Day(1));
    EXPECT_EQ(today.OpenedAt, EncodeDateTime(2026, 12, 8, 9, 0));
    EXPECT_EQ(today.Amounts[Slot(Booking::Deliveries)], -40);
    EXPECT_EQ(today.Amounts[Slot(Booking::Rent)], 0);
    EXPECT_DOUBLE_EQ(today.EndWealth, 1000 - 12.34 - 30 - 100 - 40);
    EXPECT_DOUBLE_EQ(ProfitOf(ended.Amounts), -142.34);
}

TEST(Books, OnlyTheTickThatFindsHalfPastMidnightEndsTheDay) {
    BookedGame g;
    g.State.GameClock = EncodeDateTime(2026, 12, 8, 0, 29);
    ExpectQuietTick(g.Rng);
    Tick(g.Play);
    EXPECT_EQ(g.Play.Books.DayCount(), 1);
    ExpectQuietTick(g.Rng);
    Tick(g.Play);
    EXPECT_EQ(g.Play.Books.DayCount(), 2);
    EXPECT_TRUE(g.Recorder.Seen.empty()) << "an empty day closes without bookings";
}

TEST(Books, ABankruptDayStaysOpen) {
    BookedGame g;
    g.State.GameClock = EncodeDateTime(2026, 12, 8, 0, 30);
    g.State.Wealth = 99;
    LeasePub(g.State, 100).RentPerDay = 100;
    g.Rng.Expect(1440, 1000);
    EXPECT_EQ(Tick(g.Play), TickOutcome::GameOver);
    EXPECT_EQ(g.Play.Books.DayCount(), 1);
}

TEST(Books, GuestsAndUnitsAreCountedPerDayAndArticle) {
    BookedGame g;
    GuestBuysADrink(g);
    const DayBook& today = g.Play.Books.Today();
    EXPECT_EQ(today.Guests, 1);
    EXPECT_EQ(today.UnitsSold, (std::array<std::int32_t, 3>{1, 0, 0}));
    const ArticleBook& drink = g.Play.Books.ArticleFigures(ArticleKind::Drink, 1);
    EXPECT_EQ(drink.UnitsSold, 1);
    EXPECT_EQ(drink.Revenue, 9.5);
    EXPECT_EQ(drink.UnitsBought, 0);
}

// The first and the last article of each kind: card purchase, delivery and a sale go to it and
// to no other.
TEST(Books, StockBoughtAndSalesGoToTheirArticle) {
    const std::vector<std::pair<ArticleKind, int>> articles = {
        {ArticleKind::Drink, 1}, {ArticleKind::Drink, 50}, {ArticleKind::Wine, 1},
        {ArticleKind::Wine, 30}, {ArticleKind::Dish, 1},   {ArticleKind::Dish, 30}};
    for (const auto& [kind, index] : articles) {
        BookedGame g;
        TArticle& article = Article(g.State, kind, index);
        article.PurchasePrice = 3;
        PutOnCard(g.Play, kind, index); // 20 at 3
        article.DeliveryMinutes = 2;
        g.State.Controls.StorageOrderQuantity = 10;
        ExpectQuietTick(g.Rng, 5, 350); // an average margin of 1.50 on a card
        Tick(g.Play);                   // 10 at 3
        BookSale(g.Play, kind, index, 4.5);
        for (const ArticleKind otherKind : AllArticleKinds)
            for (int i = 1; i <= ArticleCount(otherKind); ++i) {
                const ArticleBook& figures = g.Play.Books.ArticleFigures(otherKind, i);
                const bool same = otherKind == kind && i == index;
                EXPECT_EQ(figures.UnitsBought, same ? 30 : 0);
                EXPECT_EQ(figures.StockCost, same ? 90 : 0);
                EXPECT_EQ(figures.UnitsSold, same ? 1 : 0);
                EXPECT_EQ(figures.Revenue, same ? 4.5 : 0);
            }
        EXPECT_EQ(g.Play.Books.Today().UnitsSold[static_cast<std::size_t>(kind)], 1);
        EXPECT_EQ(g.Play.Books.Today().Amounts[Slot(SalesOf(kind))], 4.5);
    }
}

// Day d (0..299) books a rent of d + 1 and d guests, and closes.
TEST(Books, PeriodsAddUpTheirDays) {
    GameState state;
    PubBooks books;
    books.Begin(BooksOrigin::Loaded, 46000.375, 500, 20);
    EXPECT_EQ(books.Yesterday().Days, 0);
    for (int d = 0; d < 300; ++d) {
        books.Record(Booking::Rent, -(d + 1), state);
        for (int guest = 0; guest < d; ++guest)
            books.CountGuest();
        books.CloseDay(46001.375 + d);
    }
    ASSERT_EQ(books.DayCount(), 301);
    EXPECT_EQ(books.Day(200).Amounts[Slot(Booking::Rent)], -201);
    EXPECT_EQ(books.Day(200).OpenedAt, 46000.375 + 200);
    EXPECT_EQ(books.Today().Guests, 0);

    const PeriodBook yesterday = books.Yesterday();
    EXPECT_EQ(yesterday.Days, 1);
    EXPECT_EQ(yesterday.Amounts[Slot(Booking::Rent)], -300);
    EXPECT_EQ(yesterday.Guests, 299);

    const PeriodBook week = books.LastDays(7); // today and days 294..299
    EXPECT_EQ(week.Days, 7);
    EXPECT_EQ(week.Amounts[Slot(Booking::Rent)], -(295 + 296 + 297 + 298 + 299 + 300));
    EXPECT_EQ(books.LastDays(1000).Days, 301);
    EXPECT_EQ(books.LastDays(0).Days, 0);

    const PeriodBook total = books.Total();
    EXPECT_EQ(total.Days, 301);
    EXPECT_EQ(total.Amounts[Slot(Booking::Rent)], -300 * 301 / 2);
    EXPECT_EQ(total.Guests, 299 * 300 / 2);
    EXPECT_EQ(ProfitOf(total.Amounts), -300 * 301 / 2);

    const std::vector<double> guests = books.Series(DayFigure::Guests, 298);
    EXPECT_EQ(guests, (std::vector<double>{298, 299, 0}));
    EXPECT_EQ(books.Series(DayFigure::NetWorth).size(), 301u);

    books.Begin(BooksOrigin::NewGame, 47000, 10000, 0);
    EXPECT_EQ(books.DayCount(), 1);
    EXPECT_EQ(books.Total().Amounts[Slot(Booking::Rent)], 0);
    EXPECT_EQ(books.Today().EndWealth, 10000);
}

TEST(Books, CreditIsNoProfitAndSumsSaturate) {
    GameState state;
    PubBooks books;
    books.Record(Booking::CreditTaken, 5000, state);
    books.Record(Booking::DrinkSales, 30, state);
    books.Record(Booking::Rent, -10, state);
    EXPECT_EQ(ProfitOf(books.Today().Amounts), 20);
    books.Record(Booking::Reward, LargestAmount, state);
    books.Record(Booking::Reward, LargestAmount, state);
    EXPECT_EQ(books.Today().Amounts[Slot(Booking::Reward)], LargestAmount);
}

TEST(Books, BeginWithTheProgramAndAgainWithEachNewGame) {
    GameRandom rng;
    RecordingHost host;
    Game game(rng, host);
    EXPECT_EQ(game.Books.Origin(), BooksOrigin::ProgramStart);
    EXPECT_EQ(game.Books.StartingWealth(), 0);
    EXPECT_EQ(game.Books.DayCount(), 1);
    GrantReward(game, RewardKey::F12); // before "Spiel starten"
    EXPECT_EQ(game.Books.Total().Amounts[Slot(Booking::Reward)], 10000);

    const double now = EncodeDateTime(2026, 12, 7, 15, 37);
    NewGame(game, now);
    EXPECT_EQ(game.Books.Origin(), BooksOrigin::NewGame);
    EXPECT_EQ(game.Books.OriginClock(), now);
    EXPECT_EQ(game.Books.StartingWealth(), 10000);
    EXPECT_EQ(game.Books.Today().OpenedAt, now);
    EXPECT_EQ(game.Books.Total().Amounts[Slot(Booking::Reward)], 0);
}
