// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/books.h"

#include "game/money.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr std::size_t KindSlot(ArticleKind kind) {
    return static_cast<std::size_t>(kind);
}

// Sums of amounts saturate like the money itself, so no figure becomes infinite.
void AddAmounts(BookingAmounts& sum, const BookingAmounts& more) {
    for (std::size_t i = 0; i < sum.size(); ++i)
        sum[i] = SaturatedSum(sum[i], more[i]);
}

void AddDay(PeriodBook& period, const DayBook& day) {
    ++period.Days;
    AddAmounts(period.Amounts, day.Amounts);
    period.Guests += day.Guests;
    for (std::size_t kind = 0; kind < day.UnitsSold.size(); ++kind)
        period.UnitsSold[kind] += day.UnitsSold[kind];
    period.EndWealth = day.EndWealth;
    period.EndDebt = day.EndDebt;
}

} // namespace

double ProfitOf(const BookingAmounts& amounts) {
    double profit = 0;
    for (int i = 0; i < BookingCount; ++i)
        if (SideOf(static_cast<Booking>(i)) != BookingSide::Credit)
            profit = SaturatedSum(profit, amounts[static_cast<std::size_t>(i)]);
    return profit;
}

double FigureOf(const DayBook& day, DayFigure figure) {
    switch (figure) {
    case DayFigure::Wealth:
        return day.EndWealth;
    case DayFigure::Debt:
        return day.EndDebt;
    case DayFigure::NetWorth:
        return SaturatedDifference(day.EndWealth, day.EndDebt);
    case DayFigure::Profit:
        return ProfitOf(day.Amounts);
    case DayFigure::Guests:
        return day.Guests;
    case DayFigure::DrinksSold:
        return day.UnitsSold[KindSlot(ArticleKind::Drink)];
    case DayFigure::WinesSold:
        return day.UnitsSold[KindSlot(ArticleKind::Wine)];
    case DayFigure::DishesSold:
        break;
    }
    return day.UnitsSold[KindSlot(ArticleKind::Dish)];
}

PubBooks::PubBooks() {
    Begin(BooksOrigin::ProgramStart, 0, 0, 0);
}

void PubBooks::Begin(BooksOrigin origin, double clock, double wealth, double debt) {
    origin_ = origin;
    originClock_ = clock;
    startingWealth_ = wealth;
    startingDebt_ = debt;
    blocks_.clear();
    dayCount_ = 0;
    closedDays_ = PeriodBook{};
    articles_.fill(ArticleBook{});
    OpenDay(clock, wealth, debt);
}

void PubBooks::OpenDay(double clock, double wealth, double debt) {
    if (dayCount_ % DaysPerBlock == 0)
        blocks_.push_back(std::make_unique<DayBlock>());
    today_ = &(*blocks_.back())[static_cast<std::size_t>(dayCount_ % DaysPerBlock)];
    ++dayCount_;
    today_->OpenedAt = clock;
    today_->EndWealth = wealth;
    today_->EndDebt = debt;
}

void PubBooks::CloseDay(double clock) {
    AddDay(closedDays_, *today_);
    OpenDay(clock, today_->EndWealth, today_->EndDebt);
}

void PubBooks::RecordStockBought(Booking category, ArticleKind kind, int index,
                                 std::int32_t quantity, double cost, const GameState& state) {
    Changed(category, -cost, state);
    ArticleBook& article = ArticleEntry(kind, index);
    article.UnitsBought += quantity;
    article.StockCost = SaturatedSum(article.StockCost, cost);
}

const ArticleBook& PubBooks::ArticleFigures(ArticleKind kind, int index) const {
    assert(index >= 1 && index <= ArticleCount(kind));
    return const_cast<PubBooks*>(this)->ArticleEntry(kind, index);
}

const DayBook& PubBooks::Day(int day) const {
    assert(day >= 0 && day < dayCount_);
    const auto block = static_cast<std::size_t>(day / DaysPerBlock);
    return (*blocks_[block])[static_cast<std::size_t>(day % DaysPerBlock)];
}

PeriodBook PubBooks::Days(int first, int last) const {
    PeriodBook period;
    for (int day = std::max(first, 0); day <= std::min(last, dayCount_ - 1); ++day)
        AddDay(period, Day(day));
    return period;
}

PeriodBook PubBooks::Yesterday() const {
    return Days(dayCount_ - 2, dayCount_ - 2);
}

PeriodBook PubBooks::LastDays(int count) const {
    if (count <= 0)
        return {};
    return Days(dayCount_ - std::min(count, dayCount_), dayCount_ - 1);
}

PeriodBook PubBooks::Total() const {
    PeriodBook total = closedDays_;
    AddDay(total, *today_);
    return total;
}

std::vector<double> PubBooks::Series(DayFigure figure, int firstDay) const {
    std::vector<double> values;
    for (int day = std::max(firstDay, 0); day < dayCount_; ++day)
        values.push_back(FigureOf(Day(day), figure));
    return values;
}

std::size_t PubBooks::MemoryBytes() const {
    return sizeof(*this) + blocks_.capacity() * sizeof(blocks_[0]) +
           blocks_.size() * sizeof(DayBlock);
}
