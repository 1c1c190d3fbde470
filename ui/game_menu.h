// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

class QAction;
class QWidget;

// The commands beyond the main window's buttons: "Bilanz …" (F2), "Spielanleitung …" (F1)
// and "Über Das Krugheim …". They are the main window's context menu (right mouse button on
// the window, or the menu key), and their keys work in the main window and in the windows
// they open. The windows open beside the main window, which stays as it is.
class GameMenu : public QObject {
    Q_OBJECT
public:
    GameMenu(QWidget* mainWindow, QWidget* balance, QWidget* help, QWidget* about);

    QAction* BalanceAction = nullptr;
    QAction* HelpAction = nullptr;
    QAction* AboutAction = nullptr;

private:
    QAction* AddCommand(const QString& text, QWidget* window);
    void Open(QWidget* window);

    QWidget* mainWindow_;
    QSet<QWidget*> placed_; // opened once: the player may have moved them since
};
