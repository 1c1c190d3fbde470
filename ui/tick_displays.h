// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_host.h"
#include "ui/game_timer.h"

#include <QTimer>
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

// The displays that every tick rewrites: the five gauges, the clock and the
// money. At "Schnell (3)" a tick comes every millisecond, but the screen shows one picture per
// refresh; redrawing a thousand times a second would only burn the processor. So while the
// game timer runs that fast, the newest values wait and are drawn together once per screen
// frame. At the slower speeds, and whenever the timer is off, every value is drawn at once, and
// whoever stops the game for the player to look (a message, the event window) draws what waits.
class TickDisplays {
public:
    struct Drawers {
        std::function<void(Gauge, int)> Gauge;
        std::function<void(const std::string&)> Clock;
        std::function<void(double)> Money;
    };

    // Timer intervals from this one on draw every tick: the eye follows each value.
    static constexpr int EveryTickFromIntervalMs = 200;
    // The frame rate when the screen does not tell its own.
    static constexpr double DefaultRefreshRate = 60;

    // `gameTimer` is watched for its pace. To be made after the tick handler is connected to
    // the game timer: a frame that is due is drawn once a wake-up of the game timer has run its
    // firings.
    TickDisplays(const TGameTimer& gameTimer, Drawers drawers);

    // The window whose screen's refresh counts; without one the frame rate is the default.
    void SetWindow(const QWidget* window) { window_ = window; }
    // Called whenever the displays have been brought up to date: once per frame at full speed,
    // else after every change. Whoever shows more of the game follows it at this pace.
    void SetDrawnListener(std::function<void()> drawn) { drawn_ = std::move(drawn); }

    void SetGauge(Gauge gauge, int value);
    void SetClock(const std::string& text);
    void SetMoney(double wealth);

    // To be called after the game timer was started, stopped or given a new interval: when
    // values may no longer wait, what waits is drawn now.
    void TimerChanged();
    // Draws every waiting value now.
    void DrawNow();
    // Forgets the waiting money: the money display was just written from a newer amount.
    void DropMoney() { money_.reset(); }
    // Forgets everything waiting: the program ends and shows nothing more.
    void DropAll();
    bool Waiting() const { return frame_.isActive(); }

    // The shortest wait that keeps to one drawing per frame at `hertz`; an unknown (zero or
    // negative) rate counts as DefaultRefreshRate.
    static std::chrono::milliseconds FramePeriod(double hertz);
    // The frame period of the screen the window is on.
    std::chrono::milliseconds ScreenFramePeriod() const;

private:
    bool EveryTickDrawn() const;
    void Changed();
    void WakeUpEnded();

    const TGameTimer& gameTimer_;
    const QWidget* window_ = nullptr;
    Drawers draw_;
    std::function<void()> drawn_;
    QTimer frame_; // runs while values wait
    std::array<std::optional<int>, 5> gauges_;
    std::optional<std::string> clock_;
    std::optional<double> money_;
};
