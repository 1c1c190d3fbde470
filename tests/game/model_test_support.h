#pragma once

#include "game/game.h"
#include "support/recording_host.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

// A game on scripted draws and a recording host.
struct ScriptedGame {
    ScriptedRandom Rng;
    RecordingHost Host;
    Game Play{Rng, Host};

    GameState& State() { return Play.State; }
};

// Leases location 1 with the given customers (figures otherwise zero).
inline TLocation& LeasePub(GameState& state, int customers) {
    state.LeasedLocation = 1;
    TLocation& pub = state.Locations[1];
    pub.Leased = true;
    pub.PotentialCustomers = customers;
    pub.Name = ShortString50::FromUtf8("Hafen");
    return pub;
}

// The draws of a tick in which no event happens and no guest comes. The defaults fit a game
// with no article on a card, no staff and no pub: price rating 100, so Random(5) for the
// guest and Random(400 - 100) for the tip.
inline void ExpectQuietTick(ScriptedRandom& rng, int guestRange = 5, int tipRange = 300) {
    rng.Expect(1440, 1000).Expect(guestRange, 1).Expect(tipRange, 1);
}
