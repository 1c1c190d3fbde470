// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_host.h"

// The windows reduced to what the driver needs to know: whether an event waits for an answer
// and whether the game has ended.
class FuzzHost final : public GameHost {
public:
    bool EventWindowOpen = false;
    bool Ended = false;

    void ShowMessage(const std::string&) override {}
    void SetTimerEnabled(bool) override {}
    void ShowEventWindow() override { EventWindowOpen = true; }
    void SetGauge(Gauge, int) override {}
    void SetClockText(const std::string&) override {}
    void RefreshMoney() override {}
    void Quit() override { Ended = true; }
};
