// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Chooses how Qt talks to the display; to be called before the application is created.
void ChooseDisplaySettings();
