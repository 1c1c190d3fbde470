// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct GameState;

// Browsing and leasing the locations of the lease dialog. The cursor comes from saved games
// too, so it is brought into 1..30 before it is ever used as an index.

// The location the dialog shows: LocationCursor brought into 1..30.
int ShownLocation(const GameState& state);

// "Vor" / "Zurück": one location on or back, stopping at 30 and at 1.
void ShowNextLocation(GameState& state);
void ShowPreviousLocation(GameState& state);

// "Pachten": leases the shown location as of the game clock.
void LeaseShownLocation(GameState& state);

// The close step's search: the highest leased location becomes LeasedLocation. Returns whether
// a leased location was found; without one LeasedLocation stays as it is.
bool AdoptLeasedLocation(GameState& state);

// Whether any location is leased.
bool AnyLocationLeased(const GameState& state);
