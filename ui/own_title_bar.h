// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Where a Wayland compositor leaves the title bar to the program (weston does), Qt draws one
// with the title centred and three buttons at the right, and cuts the title of a narrow window
// ("Bank" becomes "Ba"). Such a window gets a title bar of its own above its client area, which
// keeps its size and layout: the whole title, a close button, and dragging moves the window.
// Elsewhere, and where Qt's title bar has room for the title, nothing changes.
void GiveTitleRoom(QWidget* window);
