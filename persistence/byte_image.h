// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/short_string.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian access to one record of the saved-game image. Every field is put and taken
// byte by byte at its fixed offset, so the file never depends on how the compiler lays out
// our structs or on the byte order of the machine.

class RecordWriter {
public:
    RecordWriter(std::span<std::uint8_t> image, std::size_t recordOffset)
        : image_(image), base_(recordOffset) {}

    void Int32(std::size_t offset, std::int32_t value) {
        PutLittleEndian(offset, static_cast<std::uint32_t>(value), 4);
    }
    void Double(std::size_t offset, double value) {
        PutLittleEndian(offset, std::bit_cast<std::uint64_t>(value), 8);
    }
    void Bool(std::size_t offset, bool value) { Byte(offset) = value ? 1 : 0; }

    // Length byte, the name's bytes, then zeros up to the full 50 characters.
    void Name(std::size_t offset, const ShortString50& name) {
        const std::size_t length = std::min<std::size_t>(name.Length, ShortString50::Capacity);
        Byte(offset) = static_cast<std::uint8_t>(length);
        for (std::size_t i = 0; i < ShortString50::Capacity; ++i)
            Byte(offset + 1 + i) = i < length ? name.Chars[i] : 0;
    }

private:
    std::uint8_t& Byte(std::size_t offset) {
        assert(base_ + offset < image_.size());
        return image_[base_ + offset];
    }
    void PutLittleEndian(std::size_t offset, std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            Byte(offset + static_cast<std::size_t>(i)) =
                static_cast<std::uint8_t>(value >> (8 * i));
    }

    std::span<std::uint8_t> image_;
    std::size_t base_;
};

class RecordReader {
public:
    RecordReader(std::span<const std::uint8_t> image, std::size_t recordOffset)
        : image_(image), base_(recordOffset) {}

    std::uint8_t Byte(std::size_t offset) const {
        assert(base_ + offset < image_.size());
        return image_[base_ + offset];
    }
    std::int32_t Int32(std::size_t offset) const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(LittleEndian(offset, 4)));
    }
    double Double(std::size_t offset) const {
        return std::bit_cast<double>(LittleEndian(offset, 8));
    }
    // Inside the records any byte other than 0 counts as true.
    bool Bool(std::size_t offset) const { return Byte(offset) != 0; }

private:
    std::uint64_t LittleEndian(std::size_t offset, int size) const {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t{Byte(offset + static_cast<std::size_t>(i))} << (8 * i);
        return value;
    }

    std::span<const std::uint8_t> image_;
    std::size_t base_;
};
