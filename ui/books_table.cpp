// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/books_table.h"

#include "ui/dialog_form.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace {

// What a cell needs of its column: its text and the grid line.
int CellWidth(const QTableView* table, const QModelIndex& cell) {
    return table->sizeHintForIndex(cell).width() + (table->showGrid() ? 1 : 0);
}

// Widens the columns of a table to what its texts need.
class ColumnFitter : public QObject {
public:
    explicit ColumnFitter(QTableView* table) : QObject(table), table_(table) {}

    // Follows the table's model from now on; to be called whenever the table gets one.
    void Follow(QAbstractItemModel* model) {
        connect(model, &QAbstractItemModel::dataChanged, this, &ColumnFitter::Changed);
        connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::FitAll);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ColumnFitter::FitAll);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ColumnFitter::FitAll);
        FitAll();
    }

private:
    // A model of many rows (the days of a long game) is measured by its owner, which knows
    // which of its texts are the widest.
    static constexpr int MostRowsMeasured = 500;

    void FitAll() {
        if (table_->model()->rowCount() <= MostRowsMeasured)
            table_->resizeColumnsToContents();
    }

    void Changed(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
            int needed = table_->columnWidth(column);
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                needed = std::max(needed, CellWidth(table_, topLeft.sibling(row, column)));
            if (needed > table_->columnWidth(column))
                table_->setColumnWidth(column, needed);
        }
    }

    QTableView* table_;
};

} // namespace

int BooksCellWidth(const QTableView* table, const QModelIndex& cell) {
    return CellWidth(table, cell);
}

QTableView* MakeBooksTable(QWidget* parent, const char* name, const QString& accessibleName,
                           QAbstractItemModel* model) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // A heading drawn bold for the selected row would no longer fit its column.
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 3);
    GiveOutlineOnBlack(table);
    table->setModel(model);
    (new ColumnFitter(table))->Follow(model);
    return table;
}
