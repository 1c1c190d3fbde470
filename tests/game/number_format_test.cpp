// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"
#include "game/money.h"
#include "game/number_format.h"
#include "game/random.h"
#include "game/short_string.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

TEST(NumberFormat, GeneralFormatUsesDecimalCommaAndDropsTrailingZeros) {
    EXPECT_EQ(FormatGeneral(12.34), "12,34");
    EXPECT_EQ(FormatGeneral(50), "50");
    EXPECT_EQ(FormatGeneral(12.345), "12,345");
    EXPECT_EQ(FormatGeneral(9.5), "9,5");
    EXPECT_EQ(FormatGeneral(-1450), "-1450");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0,3"); // 15 significant digits hide the binary noise
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneral(1e20), "1E20");
    EXPECT_EQ(FormatGeneral(0.0001), "0,0001");
    EXPECT_EQ(FormatGeneral(0.0), "0");
}

TEST(NumberFormat, FixedTwoDecimalsUsesPoint) {
    EXPECT_EQ(FormatFixed2(10000), "10000.00");
    EXPECT_EQ(FormatFixed2(-0.5), "-0.50");
    EXPECT_EQ(FormatFixed2(1234.5), "1234.50");
    EXPECT_EQ(FormatFixed2(-12.5), "-12.50");
    EXPECT_EQ(MoneyText(9840), "Vermögen: 9840.00 €");
}

TEST(NumberFormat, EuroTextIsGerman) {
    const std::pair<double, const char*> cases[] = {
        {0, "0,00 €"},
        {-0.0, "0,00 €"},
        {-0.004, "0,00 €"}, // rounds to nothing: no sign
        {0.005, "0,01 €"},
        {12.5, "12,50 €"},
        {-12.34, "-12,34 €"},
        {999.99, "999,99 €"},
        {1234.56, "1.234,56 €"},
        {-1234.56, "-1.234,56 €"},
        {100000, "100.000,00 €"},
        {1234567.891, "1.234.567,89 €"},
        {-99999999.99, "-99.999.999,99 €"},
        {999999999999999.9, "999.999.999.999.999,88 €"}, // the last grouped amount
        {1e15, "1,000000E15 €"},
        {LargestAmount, "1,797693E308 €"},
        {-LargestAmount, "-1,797693E308 €"},
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(EuroText(amount), text) << amount;
}

// Qt switches the C library to the user's locale; a German one must change no number text.
TEST(NumberFormat, TheProcessLocaleChangesNothing) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale (scripts/install-deps generates it)";
    const std::string general = FormatGeneral(12.345) + FormatGeneral(1e20);
    const std::string fixed = FormatFixed2(-1234.5);
    const std::string euro = EuroText(-1234.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(general, "12,3451E20");
    EXPECT_EQ(fixed, "-1234.50");
    EXPECT_EQ(euro, "-1.234,50 €");
}

TEST(Rounding, HalvesGoToEvenNeighbour) {
    EXPECT_EQ(Round(12.5), 12);
    EXPECT_EQ(Round(37.5), 38);
    EXPECT_EQ(Round(62.5), 62);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(279 / 22.32), 12);
    EXPECT_EQ(Round(837 / 22.32), 38);
    EXPECT_EQ(RoundToInt32(1e30), 2147483647);
}

TEST(DateTime, ClockTextAndRoundTrip) {
    const double t = EncodeDateTime(2026, 12, 7, 9, 0);
    EXPECT_EQ(ClockText(t), "07.12.2026 09:00");
    EXPECT_EQ(ClockText(0), "30.12.1899 00:00");
    EXPECT_EQ(ClockText(EncodeDateTime(2026, 12, 7, 0, 29) + 1 / MinutesPerDay),
              "07.12.2026 00:30");
    const DateTimeParts p = DecodeDateTime(EncodeDateTime(1, 1, 1, 23, 59));
    EXPECT_EQ(p.Year, 1);
    EXPECT_EQ(p.Hour, 23);
    EXPECT_EQ(p.Minute, 59);
    EXPECT_EQ(ClockText(EncodeDateTime(9999, 12, 31, 23, 59)), "31.12.9999 23:59");
}

TEST(ShortString, KeepsWindows1252BytesAndCutsAtFifty) {
    const ShortString50 s = ShortString50::FromUtf8("Müller-Thurgau");
    EXPECT_EQ(s.Length, 14);
    EXPECT_EQ(s.Chars[1], 0xFC);
    EXPECT_EQ(s.ToUtf8(), "Müller-Thurgau");
    EXPECT_EQ(ShortString50::FromUtf8(std::string(60, 'x')).Length, 50);
    EXPECT_EQ(ShortString50::FromUtf8("€").Chars[0], 0x80);
    // every byte converts to UTF-8 and back unchanged
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}
