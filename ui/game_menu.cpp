// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_menu.h"

#include <QAction>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int Gap = 8;
}

GameMenu::GameMenu(QWidget* mainWindow, QWidget* balance, QWidget* help, QWidget* about)
    : QObject(mainWindow), mainWindow_(mainWindow) {
    BalanceAction = AddCommand(QStringLiteral("Bilanz …"), balance);
    BalanceAction->setShortcut(QKeySequence(Qt::Key_F2));
    HelpAction = AddCommand(QStringLiteral("Spielanleitung …"), help);
    HelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    AboutAction = AddCommand(QStringLiteral("Über Das Krugheim …"), about);
    mainWindow->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The keys work wherever the player reads.
    for (QWidget* window : {balance, help, about})
        window->addActions({BalanceAction, HelpAction});
}

QAction* GameMenu::AddCommand(const QString& text, QWidget* window) {
    auto* action = new QAction(text, mainWindow_);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, window] { Open(window); });
    mainWindow_->addAction(action);
    return action;
}

namespace {
// `window` moved into `room` as far as needed.
QRect Within(QRect window, const QRect& room) {
    window.moveLeft(std::max(room.left(), std::min(window.left(), room.right() - window.width())));
    window.moveTop(std::max(room.top(), std::min(window.top(), room.bottom() - window.height())));
    return window;
}

int Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}
} // namespace

// The first time beside the main window: right, left, below or above it, or in a corner of
// the screen, wherever it covers least of the main window; later where the player left it.
void GameMenu::Open(QWidget* window) {
    const QScreen* screen = mainWindow_->screen();
    if (!placed_.contains(window) && screen) {
        placed_.insert(window);
        const QRect main = mainWindow_->frameGeometry();
        const QRect room = screen->availableGeometry();
        // A window never shown has no frame yet; it will get one like the main window's.
        const QSize size = window->size() + (main.size() - mainWindow_->size());
        const QPoint places[] = {{main.right() + Gap, main.top()},
                                 {main.left() - Gap - size.width(), main.top()},
                                 {main.left(), main.bottom() + Gap},
                                 {main.left(), main.top() - Gap - size.height()},
                                 room.topLeft(),
                                 {room.right() - size.width(), room.top()},
                                 {room.left(), room.bottom() - size.height()},
                                 {room.right() - size.width(), room.bottom() - size.height()}};
        QRect best;
        for (const QPoint& place : places) {
            const QRect rect = Within(QRect(place, size), room);
            if (best.isNull() || Overlap(rect, main) < Overlap(best, main))
                best = rect;
        }
        window->move(best.topLeft());
    }
    window->show();
    window->raise();
    window->activateWindow();
}
