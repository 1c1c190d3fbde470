// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"
#include "game/money.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The pub's books: every change of Wealth and Debt by what caused it, per business day, and
// per article since the books began. They live beside the game and are never saved: a new
// game or a load begins them afresh.

// What moved the money. Every amount booked is the change of Wealth it made, so income is
// positive and expenses are negative; the two credit bookings change Debt by the same amount.
enum class Booking : std::uint8_t {
    DrinkSales,
    WineSales,
    DishSales,
    Tips,
    EventReceipts, // money an event brought
    Reward,        // Ctrl+Alt+Shift+F12
    CardStock,     // first stock bought when an article is ticked on its card
    Deliveries,    // reorders delivered
    Wages,         // at the day end
    LastWages,     // paid on dismissal
    Rent,
    Interest,
    Television,
    Musicians,
    EventPayments, // money an event cost
    ArticleOffers, // names of unknown articles bought from a guest
    CreditTaken,   // Wealth and Debt up
    CreditRepaid,  // Wealth and Debt down
};
inline constexpr int BookingCount = static_cast<int>(Booking::CreditRepaid) + 1;

// Credit moves money without making the pub richer or poorer, so it stays out of the profit.
enum class BookingSide { Income, Expense, Credit };

constexpr BookingSide SideOf(Booking category) {
    if (category <= Booking::Reward)
        return BookingSide::Income;
    if (category <= Booking::ArticleOffers)
        return BookingSide::Expense;
    return BookingSide::Credit;
}

constexpr bool ChangesDebt(Booking category) {
    return SideOf(category) == BookingSide::Credit;
}

constexpr Booking SalesOf(ArticleKind kind) {
    return kind == ArticleKind::Drink  ? Booking::DrinkSales
           : kind == ArticleKind::Wine ? Booking::WineSales
                                       : Booking::DishSales;
}

using BookingAmounts = std::array<double, BookingCount>;

constexpr std::size_t Slot(Booking category) {
    return static_cast<std::size_t>(category);
}

// Income plus expenses (which are negative), credit left out.
double ProfitOf(const BookingAmounts& amounts);

// One business day: from 09:00 (for the first day: from where the books began) to the day end
// at 00:30, whose interest, wages and rent belong to it. Kept for every day of the run, so it
// stays small: counts of one day fit 32 bits (a day has at most 1440 minutes).
struct DayBook {
    BookingAmounts Amounts{};
    double OpenedAt = 0;  // game clock when the day's books opened
    double EndWealth = 0; // Wealth and Debt at the day end; while the day is open, as they stand
    double EndDebt = 0;
    std::int32_t Guests = 0;
    std::array<std::int32_t, 3> UnitsSold{}; // by ArticleKind
};

// Several consecutive days added up.
struct PeriodBook {
    int Days = 0; // 0: the period is empty (there is no yesterday on the first day)
    BookingAmounts Amounts{};
    std::int64_t Guests = 0;
    std::array<std::int64_t, 3> UnitsSold{}; // by ArticleKind
    double EndWealth = 0;                    // of the period's last day
    double EndDebt = 0;
};

// One article since the books began. The stock cost is what was paid for its card purchases
// and deliveries.
struct ArticleBook {
    std::int64_t UnitsSold = 0;
    double Revenue = 0;
    std::int64_t UnitsBought = 0;
    double StockCost = 0;
};

enum class BooksOrigin {
    ProgramStart, // no game started yet: ticks may run on the empty state
    NewGame,      // "seit Spielbeginn"
    Loaded,       // "seit dem Laden am …", at OriginClock()
};

// Figures of a day that charts draw over the days.
enum class DayFigure {
    Wealth,
    Debt,
    NetWorth, // Wealth - Debt
    Profit,
    Guests,
    DrinksSold,
    WinesSold,
    DishesSold,
};

double FigureOf(const DayBook& day, DayFigure figure);

// Told of every booking as it is made (the books' own test replays them).
class BookingListener {
public:
    virtual ~BookingListener() = default;
    virtual void Booked(Booking category, double change) = 0;
};

class PubBooks {
public:
    // The books of a program that has started no game yet: everything zero, as the game state.
    PubBooks();

    // Drops everything booked and opens the first day at `clock` with the money as it stands.
    void Begin(BooksOrigin origin, double clock, double wealth, double debt);

    // Booking. `state` is the game after the change, whose Wealth and Debt the day keeps.
    // Sales come hundreds of times a day, so their path is inline.
    void Record(Booking category, double change, const GameState& state) {
        Changed(category, change, state);
    }
    void RecordSale(ArticleKind kind, int index, double price, const GameState& state) {
        DayBook& today = Changed(SalesOf(kind), price, state);
        ++today.UnitsSold[static_cast<std::size_t>(kind)];
        ArticleBook& article = ArticleEntry(kind, index);
        ++article.UnitsSold;
        article.Revenue = SaturatedSum(article.Revenue, price);
    }
    void RecordStockBought(Booking category, ArticleKind kind, int index, std::int32_t quantity,
                           double cost, const GameState& state);
    void CountGuest() { ++today_->Guests; }
    // Ends the open day and opens the next at `clock`.
    void CloseDay(double clock);

    void SetListener(BookingListener* listener) { listener_ = listener; }

    BooksOrigin Origin() const { return origin_; }
    double OriginClock() const { return originClock_; }
    double StartingWealth() const { return startingWealth_; }
    double StartingDebt() const { return startingDebt_; }

    // Days begun, the open one included; day 0 is the first.
    int DayCount() const { return dayCount_; }
    const DayBook& Day(int day) const;
    const DayBook& Today() const { return *today_; }

    // Days first..last, both included and brought into the days there are.
    PeriodBook Days(int first, int last) const;
    PeriodBook Yesterday() const;
    // Today and the count - 1 days before it.
    PeriodBook LastDays(int count) const;
    PeriodBook Total() const;

    const ArticleBook& ArticleFigures(ArticleKind kind, int index) const;

    // One value per day from `firstDay` to today.
    std::vector<double> Series(DayFigure figure, int firstDay = 0) const;

    // Heap and object together.
    std::size_t MemoryBytes() const;

private:
    // Days are kept in blocks that never move, so a long game grows without copying its past
    // and leaves at most one block partly unused.
    static constexpr int DaysPerBlock = 128;
    using DayBlock = std::array<DayBook, DaysPerBlock>;

    void OpenDay(double clock, double wealth, double debt);

    DayBook& Changed(Booking category, double change, const GameState& state) {
        DayBook& today = *today_;
        double& amount = today.Amounts[Slot(category)];
        amount = SaturatedSum(amount, change);
        today.EndWealth = state.Wealth;
        today.EndDebt = state.Debt;
        if (listener_)
            listener_->Booked(category, change);
        return today;
    }

    // Drinks first, then wines, then dishes, in one array of 110.
    ArticleBook& ArticleEntry(ArticleKind kind, int index) {
        const int first = kind == ArticleKind::Drink  ? 0
                          : kind == ArticleKind::Wine ? DrinkCount
                                                      : DrinkCount + WineCount;
        return articles_[static_cast<std::size_t>(first + index - 1)];
    }

    BooksOrigin origin_ = BooksOrigin::ProgramStart;
    double originClock_ = 0;
    double startingWealth_ = 0;
    double startingDebt_ = 0;
    std::vector<std::unique_ptr<DayBlock>> blocks_;
    int dayCount_ = 0;
    DayBook* today_ = nullptr;
    PeriodBook closedDays_; // every day before today, added up as they close
    std::array<ArticleBook, DrinkCount + WineCount + DishCount> articles_{};
    BookingListener* listener_ = nullptr;
};
