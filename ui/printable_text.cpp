// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printable_text.h"

QString PrintableText(const QString& text) {
    QString shown = text;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = u'?';
    return shown;
}

QString PrintableText(const std::string& utf8) {
    return PrintableText(QString::fromStdString(utf8));
}

QString PlainToolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(text.toHtmlEscaped());
}
