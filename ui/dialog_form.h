// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLabel;

// Common ground of every window of the game: a top-level window with a fixed client size,
// black background, yellow text in the game's small sans-serif font. Closing a dialog by its
// title bar or by Escape runs FormClose, which hides it and announces that it closed.
class TDialogForm : public QWidget {
    Q_OBJECT
public:
    TDialogForm(const QString& caption, int clientWidth, int clientHeight);

    // Hides this dialog and emits Closed ("FormClose" of every dialog).
    virtual void FormClose();

signals:
    // The player closed the dialog: the main window is to come back.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A window that stays open beside the main window and leaves it in view (the books, the
// manual, the about window): in the game's look, closed by Escape as by its close button, and
// announced to screen readers as a dialog.
class TSideWindow : public QWidget {
    Q_OBJECT
public:
    TSideWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Applies the game's look (black background, yellow text, base font) to a widget tree.
void ApplyGameLook(QWidget* widget);

// Radio buttons and check boxes below `widget` get light indicators, which stay visible on the
// black windows; their captions keep their colour.
void ApplyLightIndicators(QWidget* widget);

// Lists, fields, check boxes and bars on the game's black windows: Qt's styles draw their
// outline from the window colour, which would make it black on black. This gives the control
// a grey outline and keeps its black face and yellow text.
void GiveOutlineOnBlack(QWidget* control);

// The game's fonts: the base 8-point sans serif, and a sans serif of a pixel size for the
// larger texts.
QFont GameFont(int pointSize = 8, bool bold = false);
QFont GamePixelFont(int pixelSize, bool bold = false);

// The height of a one-line label in the game's base font.
inline constexpr int LineHeight = 14;

// A label of a game window, named as the code names it (its objectName): plain text, at
// `geometry`, aligned as given (Qt's own default: left, centred vertically).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// The same label at `topLeft`, as large as its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft);

// Enter and the keypad's Enter press the focused push button of a game window, as Space does
// and as in every dialog of the desktop. Qt leaves Enter to the default button of a QDialog
// only; the game's windows are plain widgets. Returns whether the key pressed a button.
bool PressFocusedButton(QWidget* window, QKeyEvent* event);
