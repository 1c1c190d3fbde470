// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balance_overview.h"

#include "game/money.h"
#include "game/number_format.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <utility>
#include <vector>

namespace {

enum class RowKind { Category, IncomeSum, ExpenseSum, Profit };

struct OverviewRow {
    const char* Label;
    RowKind Kind;
    Booking Category = Booking::DrinkSales; // for RowKind::Category
};

// Income, then expenses, then the profit, and the credit last: it is no income and no expense.
const std::vector<OverviewRow>& Rows() {
    static const std::vector<OverviewRow> rows = {
        {"Verkauf Getränke", RowKind::Category, Booking::DrinkSales},
        {"Verkauf Weine", RowKind::Category, Booking::WineSales},
        {"Verkauf Speisen", RowKind::Category, Booking::DishSales},
        {"Trinkgeld", RowKind::Category, Booking::Tips},
        {"Einnahmen aus Ereignissen", RowKind::Category, Booking::EventReceipts},
        {"Belohnung (F12)", RowKind::Category, Booking::Reward},
        {"Einnahmen gesamt", RowKind::IncomeSum},
        {"Ware für die Karten", RowKind::Category, Booking::CardStock},
        {"Nachlieferungen", RowKind::Category, Booking::Deliveries},
        {"Löhne", RowKind::Category, Booking::Wages},
        {"Löhne bei Entlassung", RowKind::Category, Booking::LastWages},
        {"Pacht", RowKind::Category, Booking::Rent},
        {"Kreditzinsen", RowKind::Category, Booking::Interest},
        {"Fernseher", RowKind::Category, Booking::Television},
        {"Musikanten", RowKind::Category, Booking::Musicians},
        {"Ausgaben für Ereignisse", RowKind::Category, Booking::EventPayments},
        {"Namen unbekannter Artikel", RowKind::Category, Booking::ArticleOffers},
        {"Ausgaben gesamt", RowKind::ExpenseSum},
        {"Gewinn / Verlust", RowKind::Profit},
        {"Kredit aufgenommen", RowKind::Category, Booking::CreditTaken},
        {"Kredit getilgt", RowKind::Category, Booking::CreditRepaid},
    };
    return rows;
}

double SideSum(const BookingAmounts& amounts, BookingSide side) {
    double sum = 0;
    for (int i = 0; i < BookingCount; ++i)
        if (SideOf(static_cast<Booking>(i)) == side)
            sum = SaturatedSum(sum, amounts[static_cast<std::size_t>(i)]);
    return sum;
}

double RowAmount(const OverviewRow& row, const BookingAmounts& amounts) {
    switch (row.Kind) {
    case RowKind::Category:
        return amounts[Slot(row.Category)];
    case RowKind::IncomeSum:
        return SideSum(amounts, BookingSide::Income);
    case RowKind::ExpenseSum:
        return SideSum(amounts, BookingSide::Expense);
    case RowKind::Profit:
        break;
    }
    return ProfitOf(amounts);
}

const QString NoDays = QStringLiteral("–");

} // namespace

BalanceOverviewModel::BalanceOverviewModel(const PubBooks& books, QObject* parent)
    : QAbstractTableModel(parent), books_(books) {
    Refresh();
}

// Only the cells whose amounts changed are announced, one by one: the table repaints just those
// cells, and at full speed a frame changes a few of them.
void BalanceOverviewModel::Refresh() {
    const auto periodOf = [](const PeriodBook& book) {
        return Period{book.Days > 0, book.Amounts};
    };
    const std::array<Period, 4> periods = {Period{true, books_.Today().Amounts},
                                           periodOf(books_.Yesterday()),
                                           periodOf(books_.LastDays(7)), periodOf(books_.Total())};
    const auto& rows = Rows();
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (periods[i] == periods_[i])
            continue;
        const Period before = std::exchange(periods_[i], periods[i]);
        const int column = Today + static_cast<int>(i);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (before.HasDays == periods[i].HasDays &&
                RowAmount(rows[row], before.Amounts) == RowAmount(rows[row], periods[i].Amounts))
                continue;
            const QModelIndex cell = index(static_cast<int>(row), column);
            emit dataChanged(cell, cell);
        }
    }
}

std::optional<double> BalanceOverviewModel::Amount(int row, int column) const {
    if (column < Today || column >= ColumnCount || row < 0 || row >= rowCount())
        return std::nullopt;
    const Period& period = periods_[static_cast<std::size_t>(column - Today)];
    if (!period.HasDays)
        return std::nullopt;
    return RowAmount(Rows()[static_cast<std::size_t>(row)], period.Amounts);
}

int BalanceOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Rows().size());
}

int BalanceOverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BalanceOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const OverviewRow& row = Rows()[static_cast<std::size_t>(index.row())];
    const std::optional<double> amount = Amount(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == Item)
            return QString::fromUtf8(row.Label);
        return amount ? QString::fromStdString(EuroText(*amount)) : NoDays;
    case Qt::AccessibleTextRole:
        // A screen reader would read the dash as a sign.
        if (index.column() != Item && !amount)
            return QStringLiteral("keine Angabe");
        return data(index, Qt::DisplayRole);
    case Qt::ForegroundRole:
        // The text of a negative amount begins with its minus sign.
        if (amount && EuroText(*amount).front() == '-')
            return QBrush(QColor(255, 0, 0));
        return {};
    case Qt::FontRole:
        if (row.Kind != RowKind::Category) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == Item ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BalanceOverviewModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Item:
        return QStringLiteral("Posten");
    case Today:
        return QStringLiteral("Heute");
    case Yesterday:
        return QStringLiteral("Gestern");
    case LastSevenDays:
        return QStringLiteral("Letzte 7 Tage");
    case Total:
        return QStringLiteral("Gesamt");
    default:
        return {};
    }
}
