// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_placement.h"

#include <QEvent>
#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace {

class PlaceKeeper final : public QObject {
public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->spontaneous())
            return false;
        if (event->type() == QEvent::Hide)
            place_ = window_->geometry().topLeft();
        else if (event->type() == QEvent::Show && place_)
            Restore(*place_);
        return false;
    }

private:
    // The show event comes before the window is mapped. A position set on the native window
    // goes out with the window's size hints (USPosition on X11), which window managers honour;
    // it is the client area's place, so the frame's size does not enter. Wayland ignores it.
    void Restore(QPoint place) {
        if (QWindow* native = window_->windowHandle())
            native->setPosition(place);
    }

    QWidget* window_;
    std::optional<QPoint> place_;
};

} // namespace

void KeepPlaceWhenHidden(QWidget* window) {
    new PlaceKeeper(window);
}
