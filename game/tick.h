// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Game;

enum class TickOutcome {
    Continue,
    GameOver, // goals reached or bankrupt: Host.Quit() has been called, nothing else ran
    // The next minute lies beyond the last one a saved game can hold: the timer is off, the
    // player was told, and nothing else ran.
    ClockAtItsEnd,
};

// One game minute ("Timer1Timer"): goal test, event roll, price gauge, clock and day end,
// clock text, deliveries, staff and attractiveness gauges, guests, money display.
// The window must not start a tick while one is still running (a wage message is shown with
// the timer on).
TickOutcome Tick(Game& game);
