// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
QByteArray Describe(const char* variable) {
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() ? QByteArray(variable) + " nicht gesetzt"
                           : QByteArray(variable) + "=" + value;
}

// In force only while the application connects to the display. Qt reports a display it
// cannot reach with several lines and then aborts; the player gets one line and a plain exit.
void ReportMissingDisplay(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    const bool platformNoise = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type == QtFatalMsg) {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray where = platform.isEmpty()
                                     ? Describe("DISPLAY") + ", " + Describe("WAYLAND_DISPLAY")
                                     : "QT_QPA_PLATFORM=" + platform;
        std::fprintf(stderr, "krugheim: Keine grafische Anzeige erreichbar (%s).\n",
                     where.constData());
        std::fflush(stdout);
        std::fflush(stderr);
        // Qt is half set up: no destructor may run now.
        std::_Exit(1);
    }
    // What the platform says while it connects is only the prelude to the fatal message.
    if (platformNoise && type != QtCriticalMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
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
    return application;
}
