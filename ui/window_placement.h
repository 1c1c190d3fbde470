// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The game hides its windows and shows them again all the time. A window manager places a
// window that comes back without a position of its own wherever it likes (openbox puts it
// beside the window that is open), so `window` comes back where it was when it was hidden,
// which is where the player last left it. The first showing is the window manager's to place.
void KeepPlaceWhenHidden(QWidget* window);
