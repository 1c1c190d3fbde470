// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/name_label.h"

#include "ui/printable_text.h"

#include <QPainter>
#include <QStyle>

TNameLabel::TNameLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TNameLabel::SetName(const std::string& utf8Name) {
    const QString name = PrintableText(utf8Name);
    if (name == text())
        return;
    setText(name);
    UpdateToolTip();
}

QString TNameLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TNameLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

void TNameLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void TNameLabel::UpdateToolTip() {
    const bool shortened = ShownText() != text();
    setToolTip(shortened ? PlainToolTip(text()) : QString());
    // A screen reader would take the tool tip's markup for the description; it gets the name.
    setAccessibleDescription(shortened ? text() : QString());
}
