// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialog_form.h"

#include <QWidget>

class QLabel;
class QPushButton;

// Window "Über Das Krugheim": name, version, licence, and where the game writes.
class TAboutForm : public TSideWindow {
    Q_OBJECT
public:
    TAboutForm();

    QLabel* Title = nullptr;
    QLabel* Version = nullptr;
    QLabel* Details = nullptr;
    QPushButton* CloseButton = nullptr;
};

// The version the program was built as, "1.0.0".
QString GameVersion();
