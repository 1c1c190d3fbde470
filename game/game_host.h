// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The five gauges of the main window.
enum class Gauge {
    Variety,        // Progressbar1, "Vielfalt:"
    Entertainment,  // Progressbar2, "Unterhaltungsfaktor:"
    Prices,         // Progressbar3, "Preise:"
    Attractiveness, // Progressbar4, "Gesamtattraktivität:"
    Staff,          // Progressbar5, "Schnelligkeit Personal:"
};

// Everything the model needs from the outside world. The game session implements it; tests
// implement it with a recorder.
class GameHost {
public:
    virtual ~GameHost() = default;

    // A modal message with one OK button, titled "Das Krugheim". Returns when dismissed.
    virtual void ShowMessage(const std::string& text) = 0;

    // Switches the game timer (Timer1) on or off. One switch, no nesting count.
    virtual void SetTimerEnabled(bool enabled) = 0;

    // Shows the event window (not modal) with the event just picked and hides the main window.
    virtual void ShowEventWindow() = 0;

    virtual void SetGauge(Gauge gauge, int value) = 0;
    virtual void SetClockText(const std::string& text) = 0;

    // Rewrites every display of Wealth ("vermoegenanzeigen").
    virtual void RefreshMoney() = 0;

    // Ends the program; nothing is saved and nothing more is shown.
    virtual void Quit() = 0;
};
