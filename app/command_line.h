// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// What the command line asks of the program: start the game, perhaps with a saved game to
// load, or only answer (help, version, a mistake) and end.
struct CommandLine {
    // As the file system names it: its bytes, which need not be UTF-8. Empty: start without
    // a game.
    std::string SavedGame;

    // Set when the program is to end at once with this code, after printing Answer (to the
    // standard output for 0, to the standard error otherwise).
    std::optional<int> ExitCode;
    QString Answer;
};

// The program's arguments as text that gives back their bytes: UTF-8 is decoded, and every
// byte that is not part of valid UTF-8 is kept as a lone surrogate U+DC80 to U+DCFF. Qt's own
// decoding would turn such bytes into U+FFFD, and a file name that has them would be lost.
QStringList ArgumentsAsText(int argc, const char* const argv[]);

// Reads `arguments` (the program's name first, as ArgumentsAsText gives them). Needs a
// QCoreApplication for the usage text, but no display.
CommandLine ParseCommandLine(const QStringList& arguments);
