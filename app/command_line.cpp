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

// The options by which Qt lets every program choose its display, style and window; Qt reads
// them itself when it starts, so they are accepted here and left in the command line for it.
void AcceptQtsOwnOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "title", "qwindowtitle", "icon",
                             "qwindowicon", "style", "stylesheet", "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("Wert"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Das Krugheim – eine Wirtschaftssimulation: Sie führen eine Kneipe."));
    // Qt's "--help-all" would promise Qt's options, which the usage text leaves to Qt's manual.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt Hilfe zu den Kommandozeilenoptionen an."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    AcceptQtsOwnOptions(parser);
    // As in every Qt program, "-platform" is one option, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addPositionalArgument(
        QStringLiteral("Spielstand"),
        QStringLiteral("Ein Spielstand (*.krg), der beim Start geladen wird wie mit „Laden“."),
        QStringLiteral("[Spielstand]"));

    if (!parser.parse(arguments))
        return Mistake(parser.errorText());
    if (parser.isSet(help))
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
