// SPDX-License-Identifier: GPL-3.0-or-later
// Loads each input as a saved game into the running program, with the real windows on the
// offscreen platform, and looks at it through every window (see WindowDriver::Player). The
// program lives across inputs, as in a long session of loads.
#include "fuzz/window_driver.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Program {
    QTemporaryDir Files{QDir::tempPath() + QStringLiteral("/krugheim-window-fuzz-XXXXXX")};
    std::unique_ptr<WindowDriver::Player> Player;
};

Program* TheProgram = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform warns at every window raised; the fuzzer's own report would drown.
    qputenv("QT_LOGGING_RULES", "*.warning=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QApplication(*argc, *argv); // lives as long as the process
    QApplication::setQuitOnLastWindowClosed(false);
    TheProgram = new Program;
    // libFuzzer ends with exit(): the program's windows stay, only its files go.
    std::atexit([] { TheProgram->Files.remove(); });
    TheProgram->Player =
        std::make_unique<WindowDriver::Player>(TheProgram->Files.path().toStdString());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TheProgram->Player->Play({data, size});
    return 0;
}
