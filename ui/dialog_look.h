// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Lists, fields, check boxes and bars on the game's black windows: Qt's styles draw their
// outline from the window colour, which would make it black on black. This gives the control
// a grey outline and keeps its black face and yellow text.
void GiveOutlineOnBlack(QWidget* control);
