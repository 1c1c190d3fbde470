// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/group_box.h"

#include <QPainter>

namespace {
const QColor Shadow(128, 128, 128);
const QColor Highlight(255, 255, 255);
constexpr int CaptionLeft = 8;
constexpr int CaptionPadding = 2;
} // namespace

TGroupBox::TGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void TGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(Shadow);
    painter.drawRect(frame);
    painter.setPen(Highlight);
    painter.drawRect(frame.translated(1, 1));

    if (title().isEmpty())
        return;
    const QRect caption(CaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding,
                        metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}
