#pragma once

#include <cstdint>

// Keeps the fastest game speed at its promised pace. A 1 ms timer fires a little late every
// time (the event loop rounds its waits, the kernel adds wake-up slack), which alone would
// lose a tenth of the game minutes at "Schnell (3)". The pacer counts the ticks due since the
// pace began and lets one firing run a second tick when the game has fallen a whole tick
// behind. It never bursts: a few milliseconds lost to a busy machine are made up two ticks a
// firing, but after a longer stall (a message box, the game stopped) the schedule starts
// afresh from the firing that ends it instead of catching up.
class TickPacer {
public:
    static constexpr int MaxTicksPerFiring = 2;
    // Longer backlogs are not made up: the player would see the game race.
    static constexpr int MaxBacklogTicks = 10;

    // Ticks to run for a timer firing at `nowNs` with the timer's current interval: 1, or 2
    // when a whole tick behind. Only the 1 ms speed is paced; slower speeds always get one.
    int TicksDue(std::int64_t nowNs, int intervalMs);

    // Counts a tick that ran at the pace.
    void TickRan() { ++ticksRun_; }

    // The timer was started again after it had been stopped: the time in between was no
    // game time, so the next firing begins a fresh schedule.
    void Restart() { pacing_ = false; }

private:
    bool pacing_ = false;
    std::int64_t startNs_ = 0;
    std::int64_t ticksRun_ = 0;
};
