// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QWidget;

// Enter and the keypad's Enter press the focused push button of a game window, as Space does
// and as in every dialog of the desktop. Qt leaves Enter to the default button of a QDialog
// only; the game's windows are plain widgets. Returns whether the key pressed a button.
bool PressFocusedButton(QWidget* window, QKeyEvent* event);
