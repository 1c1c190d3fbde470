// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/prices.h"

#include <charconv>
#include <string>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The typed number rewritten for std::from_chars ("-12.5e3"), which knows no plus sign and no
// comma; it is also free of the C locale, which a Qt program sets from the environment.
struct Rewritten {
    std::string Text;
    bool AnyNonZeroDigit = false;
    // Position of the first non-zero digit relative to the decimal point, plus the exponent:
    // tells overflow (> 0) from underflow when the value leaves the double range.
    long long Magnitude = 0;
};

std::optional<Rewritten> Rewrite(std::string_view text) {
    Rewritten out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out.Text += '-';
        ++i;
    }
    int digits = 0;
    long long integerDigitsAfterLeadingZeros = 0;
    long long zerosAfterComma = 0;
    bool comma = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (comma)
                return std::nullopt;
            comma = true;
            out.Text += '.';
            continue;
        }
        ++digits;
        out.Text += text[i];
        if (text[i] != '0')
            out.AnyNonZeroDigit = true;
        if (!comma && out.AnyNonZeroDigit)
            ++integerDigitsAfterLeadingZeros;
        if (comma && !out.AnyNonZeroDigit)
            ++zerosAfterComma;
    }
    if (digits == 0)
        return std::nullopt;
    out.Magnitude =
        integerDigitsAfterLeadingZeros > 0 ? integerDigitsAfterLeadingZeros : -zerosAfterComma;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out.Text += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent)
                out.Text += '-';
            ++i;
        }
        long long exponent = 0;
        const std::size_t firstExponentDigit = i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            out.Text += text[i];
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == firstExponentDigit)
            return std::nullopt;
        out.Magnitude += negativeExponent ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return out;
}

} // namespace

std::optional<double> ParsePrice(std::string_view text) {
    const std::optional<Rewritten> number = Rewrite(TrimBlanks(text));
    if (!number)
        return std::nullopt;
    const std::string& digits = number->Text;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number->AnyNonZeroDigit && number->Magnitude > 0)
            return std::nullopt; // too large for a double
        return digits.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

int FindArticleByName(const GameState& state, ArticleKind kind, std::string_view utf8Name) {
    for (int i = 1; i <= ArticleCount(kind); ++i)
        if (Article(state, kind, i).Name.ToUtf8() == utf8Name)
            return i;
    return 0;
}

PriceOutcome SetSalePrice(GameState& state, std::optional<ArticleKind> kind,
                          std::string_view utf8Name, std::string_view typedPrice) {
    const std::optional<double> price = ParsePrice(typedPrice);
    if (!price)
        return PriceOutcome::NotANumber;
    if (*price <= 0)
        return PriceOutcome::NotPositive;
    const int index = kind ? FindArticleByName(state, *kind, utf8Name) : 0;
    if (index == 0)
        return PriceOutcome::NoArticle;
    Article(state, *kind, index).SalePrice = *price;
    return PriceOutcome::Set;
}
