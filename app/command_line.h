// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of the program: start the game, perhaps with a saved game to
// load, or only answer (help, version, a mistake) and end.
struct CommandLine {
    QString SavedGame; // empty: start without a game

    // Set when the program is to end at once with this code, after printing Answer (to the
    // standard output for 0, to the standard error otherwise).
    std::optional<int> ExitCode;
    QString Answer;
};

// Reads `arguments` (the program's name first). Needs a QCoreApplication for the usage text,
// but no display.
CommandLine ParseCommandLine(const QStringList& arguments);
