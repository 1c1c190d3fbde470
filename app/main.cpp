// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/display.h"
#include "ui/forms.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <vector>

namespace {
void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KRUGHEIM_VERSION));
}

// The game speaks German, so do Qt's own texts (the file dialogs, the usage text).
void SpeakGerman(QTranslator& qtTexts) {
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}

// Help, version and mistakes are answered before any display is needed. The usage text names
// the program as the player calls it, not by the path it was started from.
CommandLine ReadCommandLine(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc + 1); // with the closing null
    char programName[] = "krugheim";
    arguments.front() = programName;
    QCoreApplication withoutDisplay(argc, arguments.data());
    NameApplication();
    QTranslator qtTexts;
    SpeakGerman(qtTexts);
    return ParseCommandLine(ArgumentsAsText(argc, arguments.data()));
}
} // namespace

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.ExitCode) {
        std::fputs(commandLine.Answer.toUtf8().constData(),
                   *commandLine.ExitCode == 0 ? stdout : stderr);
        return *commandLine.ExitCode;
    }

    ChooseDisplaySettings();
    const std::unique_ptr<QApplication> app = OpenDisplay(argc, argv);
    // The icon lives in the window library's resources.
    Q_INIT_RESOURCE(krugheim);
    NameApplication();
    // No application display name: the window system would append it to every dialog's title.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/krugheim.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral(KRUGHEIM_APP_ID));
    // Dialogs hide the main window while they are open; the game ends only explicitly.
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator qtTexts;
    SpeakGerman(qtTexts);

    CreateForms();
    ShowFirstWindow(commandLine.SavedGame);
    const int result = QApplication::exec();
    DestroyForms();
    return result;
}
