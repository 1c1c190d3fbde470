// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Why no display could be opened, told in one line, and the exit code that says which.
struct MissingDisplay {
    int ExitCode;
    QByteArray Message; // one line, ending in a newline
};

// No display could be reached.
constexpr int NoDisplayExitCode = 1;
// A display is there, but Qt has no plugin for it.
constexpr int NoPluginExitCode = 3;

// Looks at the environment and at Qt's platform plugins once Qt could open no display: is a
// display missing, or only Qt's plugin for the one that is there? Needs the application object.
MissingDisplay ExplainMissingDisplay();
