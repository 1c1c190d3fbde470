// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextEdit;

// Window "Spielanleitung": the manual, one read-only text with a heading per section. It
// stays open beside the game.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    THelpForm();

    QTextEdit* Text = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
