// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Game;

// The model part of "Spiel starten": seeds the generator (Randomize), deals out locations,
// staff and articles with the draws in their fixed order, sets the clock to `now`, Wealth to
// 10000 and both cursors to 1, and begins the books. Leaves Stock, Debt, LeasedLocation,
// LeaseDate and the control-held values alone. Showing labels and buttons and enabling the timer is
// the window's part.
void NewGame(Game& game, double now);
