// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tick_displays.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

TickDisplays::TickDisplays(const TGameTimer& gameTimer, Drawers drawers)
    : gameTimer_(gameTimer), draw_(std::move(drawers)) {
    frame_.setSingleShot(true);
    frame_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame_, &QTimer::timeout, &frame_, [this] { DrawNow(); });
    QObject::connect(&gameTimer, &TGameTimer::wakeUpEnded, &frame_, [this] { WakeUpEnded(); });
}

std::chrono::milliseconds TickDisplays::FramePeriod(double hertz) {
    const double rate = hertz > 0 ? hertz : DefaultRefreshRate;
    return std::chrono::milliseconds(std::max(1, static_cast<int>(std::ceil(1000 / rate))));
}

std::chrono::milliseconds TickDisplays::ScreenFramePeriod() const {
    const QScreen* screen = window_ ? window_->screen() : nullptr;
    return FramePeriod(screen ? screen->refreshRate() : 0);
}

void TickDisplays::SetGauge(Gauge gauge, int value) {
    gauges_[static_cast<std::size_t>(gauge)] = value;
    Changed();
}

void TickDisplays::SetClock(const std::string& text) {
    clock_ = text;
    Changed();
}

void TickDisplays::SetMoney(double wealth) {
    money_ = wealth;
    Changed();
}

bool TickDisplays::EveryTickDrawn() const {
    return !gameTimer_.isActive() || gameTimer_.interval() >= EveryTickFromIntervalMs;
}

void TickDisplays::Changed() {
    if (EveryTickDrawn()) {
        DrawNow();
        return;
    }
    if (frame_.isActive())
        return;
    // Normally the frame is drawn at the end of a wake-up of the game timer, which spares a
    // wake-up of its own; this timer only stands in when the game timer stops waking.
    frame_.start(2 * ScreenFramePeriod());
}

void TickDisplays::WakeUpEnded() {
    // At full speed the game timer wakes up once per frame.
    if (frame_.isActive())
        DrawNow();
}

void TickDisplays::TimerChanged() {
    if (EveryTickDrawn())
        DrawNow();
}

void TickDisplays::DrawNow() {
    frame_.stop();
    for (std::size_t i = 0; i < gauges_.size(); ++i) {
        if (const std::optional<int> value = std::exchange(gauges_[i], std::nullopt))
            draw_.Gauge(static_cast<Gauge>(i), *value);
    }
    if (std::optional<std::string> text = std::exchange(clock_, std::nullopt))
        draw_.Clock(*text);
    if (const std::optional<double> wealth = std::exchange(money_, std::nullopt))
        draw_.Money(*wealth);
    if (drawn_)
        drawn_();
}

void TickDisplays::DropAll() {
    frame_.stop();
    gauges_.fill(std::nullopt);
    clock_.reset();
    money_.reset();
}
