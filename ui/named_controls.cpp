// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/named_controls.h"

#include <QLabel>

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width) {
    constexpr int LineHeight = 14;
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(left, top, width, LineHeight);
    return label;
}
