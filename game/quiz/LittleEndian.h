#pragma once
// Bounded little-endian reading and writing of the game's binary files.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Reads from a byte string; every read fails, consuming nothing, when the
// data ends before it.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    bool byte(std::uint8_t& out) {
        if (data_.empty()) {
            return false;
        }
        out = static_cast<std::uint8_t>(data_.front());
        data_.remove_prefix(1);
        return true;
    }

    bool int32(std::int32_t& out) {
        if (data_.size() < 4) {
            return false;
        }
        std::uint32_t raw = 0;
        for (int i = 0; i < 4; ++i) {
            raw |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data_[i])) << (8 * i);
        }
        out = static_cast<std::int32_t>(raw);
        data_.remove_prefix(4);
        return true;
    }

    bool utf16(std::size_t units, std::u16string& out) {
        if (units > data_.size() / 2) {
            return false;
        }
        out.clear();
        out.reserve(units);
        for (std::size_t i = 0; i < units; ++i) {
            auto low = static_cast<std::uint8_t>(data_[2 * i]);
            auto high = static_cast<std::uint8_t>(data_[2 * i + 1]);
            out.push_back(static_cast<char16_t>(low | (high << 8)));
        }
        data_.remove_prefix(2 * units);
        return true;
    }

    std::string_view rest() const { return data_; }

private:
    std::string_view data_;
};

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
