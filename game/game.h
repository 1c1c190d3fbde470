// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/books.h"
#include "game/events.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/random.h"

// One running game: its state, the event window's state, its books, and the two services it
// draws on.
struct Game {
    Game(RandomSource& rng, GameHost& host) : Rng(rng), Host(host) {}

    GameState State;
    EventSession Event;
    // Not saved: a new game and a load begin them afresh (BeginBooks).
    PubBooks Books;
    RandomSource& Rng;
    GameHost& Host;
    // Set when the program ends (goals, bankruptcy, "Spielende"): from then on nothing is
    // shown to the player and no tick runs.
    bool Ending = false;
};
