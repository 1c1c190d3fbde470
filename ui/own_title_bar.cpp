// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/own_title_bar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

namespace {

// Qt's own title bar: 14-pixel type, centred; three buttons of 27 pixels and a margin at the
// right, so the title fits only with that much room on both of its sides.
constexpr int QtTitlePixels = 14;
constexpr int QtTitleButtons = 3 * 27 + 10;
constexpr int QtFrameWidth = 2 * 3;

constexpr int BarHeight = 24;
constexpr int CloseWidth = 24;

QFont TitleFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(QtTitlePixels);
    return font;
}

bool QtTitleFits(const QWidget* window) {
    const int title = QFontMetrics(TitleFont()).horizontalAdvance(window->windowTitle());
    return title + 2 * QtTitleButtons <= window->width() + QtFrameWidth;
}

class TTitleBar final : public QWidget {
public:
    explicit TTitleBar(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("TitleBar"));
        setGeometry(0, 0, window->width(), BarHeight);
        setFocusPolicy(Qt::NoFocus);
        setFont(TitleFont());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(48, 48, 48));
        painter.setPen(QColor(150, 150, 150));
        painter.drawLine(0, height() - 1, width(), height() - 1);
        painter.setPen(Qt::yellow);
        const QRect title = rect().adjusted(6, 0, -CloseWidth, 0);
        painter.drawText(
            title, Qt::AlignLeft | Qt::AlignVCenter,
            fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, title.width()));
        painter.setPen(QPen(Qt::white, 2));
        const QRect cross = CloseButton().adjusted(7, 7, -7, -7);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton)
            return;
        if (CloseButton().contains(event->position().toPoint()))
            window()->close(); // as any title bar's close button: the close handler runs
        else if (QWindow* native = window()->windowHandle())
            native->startSystemMove();
    }

private:
    QRect CloseButton() const { return QRect(width() - CloseWidth, 0, CloseWidth, height()); }
};

} // namespace

void GiveTitleRoom(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("wayland") ||
        window->windowFlags().testFlag(Qt::FramelessWindowHint) || QtTitleFits(window))
        return;
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->move(child->pos() + QPoint(0, BarHeight));
    window->setFixedSize(window->width(), window->height() + BarHeight);
    new TTitleBar(window);
}
