#include "ui/tick_pacer.h"

int TickPacer::TicksDue(std::int64_t nowNs, int intervalMs) {
    constexpr std::int64_t NsPerTick = 1000000;
    if (intervalMs != 1) {
        pacing_ = false;
        return 1;
    }
    const std::int64_t due = (nowNs - startNs_) / NsPerTick - ticksRun_;
    if (!pacing_ || due > MaxBacklogTicks) {
        // The tick of this firing is the first of a fresh schedule.
        pacing_ = true;
        startNs_ = nowNs - NsPerTick;
        ticksRun_ = 0;
        return 1;
    }
    return due >= MaxTicksPerFiring ? MaxTicksPerFiring : 1;
}
