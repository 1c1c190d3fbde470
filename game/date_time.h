// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The game's date-times count days since 30 December 1899 00:00; the fraction is the time of
// day. A negative value keeps its time of day in the absolute fraction, as the saved games
// written by the game expect.
struct DateTimeParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

constexpr double MinutesPerDay = 1440.0;

double EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                      int millisecond = 0);

// Whether a clock lies in the years 1 to 9999, which its text and the calendar arithmetic
// cover; a saved game holds no other.
bool ClockInRange(double dateTime);

// The time is first rounded to whole milliseconds.
DateTimeParts DecodeDateTime(double dateTime);

// "dd.mm.yyyy hh:nn", e.g. "07.12.2026 09:00".
std::string ClockText(double dateTime);

// The computer's current local date and time.
double NowAsDateTime();
