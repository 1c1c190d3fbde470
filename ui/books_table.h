// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTableView;
class QWidget;

// A table of the books' figures: read-only, read row by row, in the game's colours. Every
// column is as wide as its widest text, so no figure is ever cut; when the columns are wider
// than the window, the table scrolls sideways.
QTableView* MakeBooksTable(QWidget* parent, const char* name, const QString& accessibleName);
