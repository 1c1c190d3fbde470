// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_host.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A host that records what the model asks of the windows.
class RecordingHost final : public GameHost {
public:
    std::vector<std::string> Messages;
    // Timer state seen when each message was shown, in the same order as Messages.
    std::vector<bool> TimerDuringMessage;
    bool TimerOn = false;
    int TimerSwitches = 0;
    int EventWindowShown = 0;
    int MoneyRefreshes = 0;
    bool QuitCalled = false;
    std::string ClockText;
    std::map<Gauge, int> Gauges;
    // Runs inside ShowMessage, as a player's other actions might while a box is open.
    std::function<void(const std::string&)> OnMessage;

    void ShowMessage(const std::string& text) override {
        Messages.push_back(text);
        TimerDuringMessage.push_back(TimerOn);
        if (OnMessage)
            OnMessage(text);
    }
    void SetTimerEnabled(bool enabled) override {
        TimerOn = enabled;
        ++TimerSwitches;
    }
    void ShowEventWindow() override { ++EventWindowShown; }
    void SetGauge(Gauge gauge, int value) override { Gauges[gauge] = value; }
    void SetClockText(const std::string& text) override { ClockText = text; }
    void RefreshMoney() override { ++MoneyRefreshes; }
    void Quit() override { QuitCalled = true; }
};
