// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

// Chooses how Qt talks to the display; to be called before the application is created.
void ChooseDisplaySettings();

// Creates the application and with it the connection to the display. Without a display the
// program ends here with a one-line message, instead of Qt's abort: exit code 1 when no display
// is reachable, 3 when one is but Qt lacks the plugin for it (app/missing_display.h).
std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]);
