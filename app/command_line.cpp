// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {
// Exit code of a command line the program does not understand, as the shell's own tools use.
constexpr int UsageError = 2;

CommandLine Answer(int exitCode, const QString& text) {
    CommandLine answer;
    answer.ExitCode = exitCode;
    answer.Answer = text;
    return answer;
}

CommandLine Mistake(const QString& what) {
    return Answer(UsageError, QStringLiteral("krugheim: %1 (Hilfe: krugheim --help)\n").arg(what));
}
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Das Krugheim – eine Wirtschaftssimulation: Sie führen eine Kneipe."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("Spielstand"),
        QStringLiteral("Ein Spielstand (*.krg), der beim Start geladen wird wie mit „Laden“."),
        QStringLiteral("[Spielstand]"));

    if (!parser.parse(arguments))
        return Mistake(parser.errorText());
    // "--help-all" would add Qt's own options, which the game does not offer here.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return Answer(0, parser.helpText());
    if (parser.isSet(version))
        return Answer(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Mistake(QStringLiteral("Es lässt sich nur ein Spielstand laden."));
    CommandLine start;
    if (!files.isEmpty())
        start.SavedGame = files.constFirst();
    return start;
}
