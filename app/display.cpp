// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"
#include "app/missing_display.h"

#include <QByteArray>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// In force only while the application connects to the display. Qt reports a display it
// cannot reach with several lines and then aborts; the player gets one line and a plain exit.
void ReportMissingDisplay(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    const bool platformNoise = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type == QtFatalMsg) {
        const MissingDisplay missing = ExplainMissingDisplay();
        std::fputs(missing.Message.constData(), stderr);
        std::fflush(stdout);
        std::fflush(stderr);
        // Qt is half set up: no destructor may run now.
        std::_Exit(missing.ExitCode);
    }
    // What the platform says while it connects is only the prelude to the fatal message.
    if (platformNoise && type != QtCriticalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// X11 window managers and docks tie a window to its desktop entry by the window's class, which
// Qt takes from the application's name once, when it makes its first window. The class is the
// app id, as the window's id on Wayland is; the name stays the player's.
void NameWindowClass() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral(KRUGHEIM_APP_ID));
    QWindow().create();
    QCoreApplication::setApplicationName(name);
}
} // namespace

void ChooseDisplaySettings() {
    // On X11 Qt hands every picture to the server through shared memory and then waits for the
    // server to give the memory back. At full speed the picture of a frame is a few hundred
    // pixels of changed text, and that round trip costs the game more than sending the pixels
    // along with the request. The player's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(ReportMissingDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    NameWindowClass();
    return application;
}
