// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/number_format.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

// std::to_chars writes as printf does in the "C" locale, whatever locale the process runs
// under: Qt switches the C library to the user's locale at start, and a German one would turn
// every decimal point into a comma.

std::string FormatGeneral(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    // 15 significant digits, rounded once: d.dddddddddddddde±x
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    std::string digits;
    digits += text[0];
    digits += text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out.append(",").append(digits, 1);
        out.append("E").append(std::to_string(exponent));
    } else if (exponent < 0) {
        out.append("0,").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= whole) {
            out.append(digits).append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole).append(",").append(digits, whole);
        }
    }
    return out;
}

std::string FormatFixed2(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, written.ptr);
    if (text == "-0.00")
        text = "0.00";
    return text;
}

std::string MoneyText(double wealth) {
    return "Vermögen: " + FormatFixed2(wealth) + " €";
}

namespace {
constexpr double LargestGroupedAmount = 1e15;

std::string Grouped(std::string_view wholeDigits) {
    std::string out;
    for (std::size_t i = 0; i < wholeDigits.size(); ++i) {
        if (i > 0 && (wholeDigits.size() - i) % 3 == 0)
            out += '.';
        out += wholeDigits[i];
    }
    return out;
}

std::string ScientificAmount(double amount) {
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::scientific, 6);
    std::string text(buffer, written.ptr);
    const std::size_t e = text.find('e');
    std::string exponent = text.substr(e + 1);
    if (exponent.front() == '+')
        exponent.erase(0, 1);
    text = text.substr(0, e);
    text[text.find('.')] = ',';
    return text + "E" + exponent;
}
} // namespace

std::string EuroText(double amount) {
    if (std::isnan(amount) || std::isinf(amount))
        return FormatFixed2(amount) + " €";
    if (std::fabs(amount) >= LargestGroupedAmount)
        return ScientificAmount(amount) + " €";
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2);
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view cents = text.substr(point + 1);
    const bool zero = text.find_first_not_of("0.") == std::string_view::npos;
    std::string out = negative && !zero ? "-" : "";
    out.append(Grouped(text.substr(0, point))).append(",").append(cents).append(" €");
    return out;
}
