// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A name as the saved game stores it: a length byte and up to 50 Windows-1252 bytes.
// The bytes are kept as they are; conversion to UTF-8 happens only for display.
struct ShortString50 {
    static constexpr int Capacity = 50;

    std::uint8_t Length = 0;
    std::array<std::uint8_t, Capacity> Chars{};

    // Converts from UTF-8; characters outside Windows-1252 become '?'. Cut to 50 bytes.
    static ShortString50 FromUtf8(std::string_view utf8);
    // Takes Windows-1252 bytes as they are, cut to 50 bytes.
    static ShortString50 FromBytes(std::string_view cp1252);

    std::string ToUtf8() const;
    std::string_view Bytes() const { return {reinterpret_cast<const char*>(Chars.data()), Length}; }

    // Names are compared exactly, byte for byte; bytes beyond Length do not count.
    friend bool operator==(const ShortString50& a, const ShortString50& b) {
        return a.Bytes() == b.Bytes();
    }
};

// Windows-1252 <-> UTF-8 for single strings.
std::string Cp1252ToUtf8(std::string_view cp1252);
std::string Utf8ToCp1252(std::string_view utf8);
