// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"
#include "app/missing_display.h"

#include <QByteArray>
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
} // namespace

std::unique_ptr<QApplication> OpenDisplay(int& argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(ReportMissingDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}
