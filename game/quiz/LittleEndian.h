// SPDX-License-Identifier: MIT
#pragma once
// Bounded little-endian reading and writing of the game's binary files.

#include "common/ByteReader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Writes the little-endian records that ByteReader reads back.
class ByteWriter {
public:
    void byte(std::uint8_t value) { out_.push_back(static_cast<char>(value)); }

    void int32(std::int32_t value) {
        auto raw = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            out_.push_back(static_cast<char>((raw >> shift) & 0xFF));
        }
    }

    void utf16String(std::u16string_view text) {
        int32(static_cast<std::int32_t>(text.size()));
        for (char16_t unit : text) {
            out_.push_back(static_cast<char>(unit & 0xFF));
            out_.push_back(static_cast<char>(unit >> 8));
        }
    }

    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

} // namespace qv
