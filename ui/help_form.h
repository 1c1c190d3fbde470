// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"

#include <QWidget>

class QTextEdit;

// Window "Spielanleitung": the manual, one read-only text with a heading per section. It
// stays open beside the game.
class THelpForm : public TSideWindow {
    Q_OBJECT
public:
    THelpForm();

    QTextEdit* Text = nullptr;
};
