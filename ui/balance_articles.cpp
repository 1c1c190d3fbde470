// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balance_articles.h"

#include "game/money.h"
#include "game/number_format.h"
#include "ui/names.h"

#include <QBrush>
#include <QColor>
#include <QLocale>
#include <algorithm>

namespace {

QString KindName(ArticleKind kind) {
    switch (kind) {
    case ArticleKind::Drink:
        return QStringLiteral("Getränk");
    case ArticleKind::Wine:
        return QStringLiteral("Wein");
    case ArticleKind::Dish:
        break;
    }
    return QStringLiteral("Speise");
}

QString Euro(double amount) {
    return QString::fromStdString(EuroText(amount));
}

} // namespace

BalanceArticleModel::BalanceArticleModel(const PubBooks& books, const GameState& state,
                                         QObject* parent)
    : QAbstractTableModel(parent), books_(books), state_(state) {
    Refresh();
}

std::vector<BalanceArticleModel::Row> BalanceArticleModel::ReadRows() const {
    std::vector<Row> rows;
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const ArticleBook& figures = books_.ArticleFigures(kind, i);
            if (figures.UnitsSold == 0 && figures.UnitsBought == 0 && figures.StockCost == 0)
                continue;
            const TArticle& article = Article(state_, kind, i);
            rows.push_back({kind, i, PrintableText(article.Name.ToUtf8()), figures.UnitsSold,
                            figures.Revenue, figures.StockCost,
                            SaturatedDifference(article.SalePrice, article.PurchasePrice)});
        }
    return rows;
}

void BalanceArticleModel::Refresh() {
    std::vector<Row> rows = ReadRows();
    const auto sameArticle = [](const Row& a, const Row& b) {
        return a.Kind == b.Kind && a.Index == b.Index;
    };
    if (!std::equal(rows.begin(), rows.end(), rows_.begin(), rows_.end(), sameArticle)) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    int first = -1;
    int last = -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == rows_[i])
            continue;
        rows_[i] = rows[i];
        if (first < 0)
            first = static_cast<int>(i);
        last = static_cast<int>(i);
    }
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

int BalanceArticleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BalanceArticleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BalanceArticleModel::SortValue(const Row& row, int column) const {
    switch (column) {
    case Name:
        return row.Name;
    case Kind:
        return static_cast<int>(row.Kind);
    case UnitsSold:
        return static_cast<qlonglong>(row.UnitsSold);
    case Revenue:
        return row.Revenue;
    case StockCost:
        return row.StockCost;
    default:
        return row.Margin;
    }
}

QVariant BalanceArticleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case Name:
            return row.Name;
        case Kind:
            return KindName(row.Kind);
        case UnitsSold:
            return QLocale(QLocale::German).toString(static_cast<qlonglong>(row.UnitsSold));
        case Revenue:
            return Euro(row.Revenue);
        case StockCost:
            // What was paid, as the overview shows it: money that went out.
            return Euro(-row.StockCost);
        default:
            return Euro(row.Margin);
        }
    case SortRole:
        return SortValue(row, column);
    case Qt::ForegroundRole: {
        const double amount = column == StockCost ? -row.StockCost
                              : column == Margin  ? row.Margin
                                                  : 0;
        if (EuroText(amount).front() == '-')
            return QBrush(QColor(255, 0, 0));
        return {};
    }
    case Qt::TextAlignmentRole:
        return column <= Kind ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                              : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BalanceArticleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        static const char* const captions[] = {"Artikel", "Art",     "Verkauft",
                                               "Umsatz",  "Einkauf", "Spanne"};
        return QString::fromUtf8(captions[section]);
    }
    if (role == Qt::ToolTipRole) {
        static const char* const tips[] = {
            "Name des Artikels",
            "Getränk, Wein oder Speise",
            "Verkaufte Stück",
            "Einnahmen aus den Verkäufen",
            "Bezahlte Ware: beim Aufnehmen in die Karte und bei Nachlieferungen",
            "Verkaufspreis minus Einkaufspreis je Stück, zu den Preisen von jetzt"};
        return QString::fromUtf8(tips[section]);
    }
    return {};
}

BalanceArticleSort::BalanceArticleSort(QObject* parent)
    : QSortFilterProxyModel(parent), collator_(QLocale(QLocale::German, QLocale::Germany)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    setSortRole(BalanceArticleModel::SortRole);
}

bool BalanceArticleSort::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.typeId() == QMetaType::QString) {
        const int order = collator_.compare(a.toString(), b.toString());
        // Names equal to the collation keep a fixed order.
        return order != 0 ? order < 0 : a.toString() < b.toString();
    }
    return a.toDouble() < b.toDouble();
}
