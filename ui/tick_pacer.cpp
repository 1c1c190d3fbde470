// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tick_pacer.h"

#include <algorithm>

namespace {
constexpr std::int64_t NsPerMs = 1000000;
} // namespace

void TickPacer::Start(std::int64_t nowNs, int intervalMs, int shortestWaitMs) {
    intervalMs_ = std::max(intervalMs, 1);
    shortestWaitMs_ = std::max(shortestWaitMs, 1);
    startNs_ = nowNs;
    ticksRun_ = 0;
}

int TickPacer::TicksDue(std::int64_t nowNs) {
    if (intervalMs_ >= shortestWaitMs_)
        return 1;
    const std::int64_t perWait = WaitMs() / intervalMs_;
    const std::int64_t due = (nowNs - startNs_) / (intervalMs_ * NsPerMs) - ticksRun_;
    // Up to two waits' worth makes up for a late wake-up; more than three is a stall.
    if (due > 3 * perWait) {
        startNs_ = nowNs - WaitMs() * NsPerMs;
        ticksRun_ = 0;
        return static_cast<int>(perWait);
    }
    return static_cast<int>(std::clamp<std::int64_t>(due, 0, 2 * perWait));
}
