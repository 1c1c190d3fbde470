// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// Common ground of every window of the game: a top-level window with a fixed client size,
// black background, yellow text in the game's small sans-serif font. Closing a dialog by its
// title bar runs FormClose, which hides it and shows the main window again.
class TDialogForm : public QWidget {
    Q_OBJECT
public:
    TDialogForm(const QString& caption, int clientWidth, int clientHeight);

    // Hide this dialog and show the main window ("FormClose" of every dialog).
    virtual void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Applies the game's look (black background, yellow text, base font) to a widget tree.
void ApplyGameLook(QWidget* widget);

// Radio buttons and check boxes below `widget` get light indicators, which stay visible on the
// black windows; their captions keep their colour.
void ApplyLightIndicators(QWidget* widget);

// The game's fonts: the base 8-point sans serif, and a sans serif of a pixel size for the
// larger texts.
QFont GameFont(int pointSize = 8, bool bold = false);
QFont GamePixelFont(int pixelSize, bool bold = false);
