// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display_settings.h"

#include <QByteArray>
#include <QtGlobal>

void ChooseDisplaySettings() {
    // On X11 Qt hands every picture to the server through shared memory and then waits for the
    // server to give the memory back. At full speed the picture of a frame is a few hundred
    // pixels of changed text, and that round trip costs the game more than sending the pixels
    // along with the request. The player's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}
