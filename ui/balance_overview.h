// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/books.h"

#include <QAbstractTableModel>
#include <array>
#include <optional>

// The overview of the books: income and expenses by category for today, yesterday, the last
// seven days and all days of the books, their sums and the profit, and the credit taken and
// repaid apart from it. Amounts are signed as they moved the money: expenses are negative.
class BalanceOverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Item, Today, Yesterday, LastSevenDays, Total, ColumnCount };

    explicit BalanceOverviewModel(const PubBooks& books, QObject* parent = nullptr);

    // Reads the books anew; the cells whose figures changed are announced.
    void Refresh();

    // The amount of a cell, or nothing for the item column and for a period without days.
    std::optional<double> Amount(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Period {
        bool HasDays = false;
        BookingAmounts Amounts{};
        bool operator==(const Period&) const = default;
    };

    const PubBooks& books_;
    std::array<Period, 4> periods_; // in the order of the amount columns
};
