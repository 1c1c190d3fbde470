// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractItemModel;
class QModelIndex;
class QTableView;
class QWidget;

// A table of the books' figures: read-only, read row by row, in the game's colours. No figure
// is ever cut: a column widens as soon as a text in it needs more room (the table scrolls
// sideways when the columns are wider than the window). Measuring every cell whenever one
// changes would cost more than the game's tick, so only the cells that change are measured,
// and all of them only when the rows are laid out anew.
QTableView* MakeBooksTable(QWidget* parent, const char* name, const QString& accessibleName,
                           QAbstractItemModel* model);

// The width of its column a cell of `table` needs to be drawn whole.
int BooksCellWidth(const QTableView* table, const QModelIndex& cell);
