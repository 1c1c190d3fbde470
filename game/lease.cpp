// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/lease.h"

#include "game/game_state.h"

#include <algorithm>

int ShownLocation(const GameState& state) {
    return std::clamp(state.LocationCursor, 1, LocationCount);
}

void ShowNextLocation(GameState& state) {
    state.LocationCursor = std::min(ShownLocation(state) + 1, LocationCount);
}

void ShowPreviousLocation(GameState& state) {
    state.LocationCursor = std::max(ShownLocation(state) - 1, 1);
}

void LeaseShownLocation(GameState& state) {
    TLocation& location = state.Locations[ShownLocation(state)];
    location.Leased = true;
    location.LeaseDate = state.GameClock;
}

bool AdoptLeasedLocation(GameState& state) {
    bool found = false;
    for (int i = 1; i <= LocationCount; ++i) {
        if (state.Locations[i].Leased) {
            state.LeasedLocation = i;
            found = true;
        }
    }
    return found;
}

bool AnyLocationLeased(const GameState& state) {
    return std::any_of(state.Locations.begin(), state.Locations.end(),
                       [](const TLocation& location) { return location.Leased; });
}
