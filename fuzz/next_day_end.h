// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/date_time.h"

#include <cmath>

// The next 00:30 from `clock` on, as if the player had waited for it; only where the dates
// count up from 1899 and the calendar goes on. The fuzz drivers jump there so that every
// input reaches a day end.
inline double NextDayEnd(double clock) {
    if (clock < 0)
        return clock;
    double dayEnd = std::floor(clock) + 30.0 / MinutesPerDay;
    if (dayEnd < clock)
        dayEnd += 1;
    return ClockInRange(dayEnd) ? dayEnd : clock;
}
