// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screen readers announce a window's title when a frame or a dialog opens; a plain top-level
// widget is only a "filler" to them. After this the main window reports itself as a frame and
// every other window of the game as a dialog (message boxes stay alerts, as Qt makes them).
void GiveWindowsTheirRoles();
