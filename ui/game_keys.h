// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/rewards.h"

#include <QObject>
#include <optional>

class QWidget;

// The key preview of the whole program, for the main window's handlers. The speed keys "0" to
// "3" act from every window of the game (dialogs, the event window, message boxes) with the
// main window's meaning, so that the player can pause at full speed whatever took the focus;
// where the focus is in a field that takes typed text, the digit is typed there instead. The
// reward keys act where the main window has the focus, as its own key preview would have it.
class GameKeys : public QObject {
    Q_OBJECT
public:
    // Watches every key of the application from now on, for as long as the main window lives.
    explicit GameKeys(QWidget& mainWindow);
    ~GameKeys() override;

signals:
    // A speed key "0" to "3" was pressed.
    void SpeedKeyPressed(QChar key);
    // A reward key was released in the main window.
    void RewardKeyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget& mainWindow_;
};

// The reward a released key grants: F9 to F12 while Ctrl, Alt and Shift are all held (further
// modifiers do not matter).
std::optional<RewardKey> RewardKeyOf(int key, Qt::KeyboardModifiers modifiers);
