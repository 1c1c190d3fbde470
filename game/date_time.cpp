// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"

#include "game/random.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr std::int64_t MsPerDay = 86400000;

// Days since 1 January 1970 of a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

const std::int64_t EpochOffset = DaysFromCivil(1899, 12, 30);

} // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    const auto days = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        EpochOffset);
    const double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) /
                        static_cast<double>(MsPerDay);
    return days >= 0 ? days + time : days - time;
}

// Before 1899 the time of day counts away from zero, so the whole first day lies below its
// midnight.
bool ClockInRange(double dateTime) {
    static const double first = EncodeDateTime(1, 1, 1, 23, 59, 59, 999);
    static const double last = EncodeDateTime(9999, 12, 31, 23, 59, 59, 999);
    return dateTime >= first && dateTime <= last;
}

DateTimeParts DecodeDateTime(double dateTime) {
    const std::int64_t total = Round(dateTime * static_cast<double>(MsPerDay));
    const std::int64_t days = total / MsPerDay;
    std::int64_t ms = std::llabs(total % MsPerDay);
    DateTimeParts parts;
    CivilFromDays(days + EpochOffset, parts.Year, parts.Month, parts.Day);
    parts.Hour = static_cast<int>(ms / 3600000);
    ms %= 3600000;
    parts.Minute = static_cast<int>(ms / 60000);
    ms %= 60000;
    parts.Second = static_cast<int>(ms / 1000);
    parts.Millisecond = static_cast<int>(ms % 1000);
    return parts;
}

namespace {

void PutTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
}

} // namespace

// The tick writes the clock every game minute, so the common case avoids printf.
std::string ClockText(double dateTime) {
    const DateTimeParts p = DecodeDateTime(dateTime);
    if (p.Year >= 0 && p.Year <= 9999) {
        std::string text = "dd.mm.yyyy hh:nn";
        PutTwoDigits(&text[0], p.Day);
        PutTwoDigits(&text[3], p.Month);
        PutTwoDigits(&text[6], p.Year / 100);
        PutTwoDigits(&text[8], p.Year % 100);
        PutTwoDigits(&text[11], p.Hour);
        PutTwoDigits(&text[14], p.Minute);
        return text;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", p.Day, p.Month, p.Year, p.Hour,
                  p.Minute);
    return text;
}

double NowAsDateTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec, static_cast<int>(ms));
}
