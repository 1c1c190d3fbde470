// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/books.h"
#include "game/game_state.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <vector>

// The articles in the books: each article sold or bought since the books began, with the
// units sold, the revenue, the cost of the stock bought for it and its margin per unit at the
// prices of now. Rows are in the order drinks, wines, dishes; BalanceArticleSort sorts them.
class BalanceArticleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Kind, UnitsSold, Revenue, StockCost, Margin, ColumnCount };
    // What a column sorts by: the name's text, else its number.
    static constexpr int SortRole = Qt::UserRole;

    BalanceArticleModel(const PubBooks& books, const GameState& state, QObject* parent = nullptr);

    // Reads books and prices anew and announces what changed.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        ArticleKind Kind;
        int Index;
        QString Name; // printable
        std::int64_t UnitsSold;
        double Revenue;
        double StockCost;
        double Margin;
        bool operator==(const Row&) const = default;
    };

    std::vector<Row> ReadRows() const;
    QVariant SortValue(const Row& row, int column) const;

    const PubBooks& books_;
    const GameState& state_;
    std::vector<Row> rows_;
};

// Sorts the articles by any column: names in German alphabetical order regardless of case,
// figures by their value (so 9 comes before 10).
class BalanceArticleSort : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit BalanceArticleSort(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QCollator collator_;
};
