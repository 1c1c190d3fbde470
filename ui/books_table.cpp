// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/books_table.h"

#include "ui/dialog_form.h"

#include <QHeaderView>
#include <QTableView>

QTableView* MakeBooksTable(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 3);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GiveOutlineOnBlack(table);
    return table;
}
