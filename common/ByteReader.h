// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qv {

// Bounded little-endian reads over a block of bytes, for every reader of
// stored data. Two styles share one cursor: the plain reads (u8, u32le, ...)
// yield zero past the end and set the sticky `failed` flag, so a reader checks
// once after a group of fields; the checked reads (byte, int32, utf16) return
// false and consume nothing when the data ends before them.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    explicit ByteReader(std::string_view data)
        : data_(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()) {}

    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ < data_.size() ? data_.size() - pos_ : 0; }
    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ >= data_.size(); }

    // Moves to an absolute offset; past the end fails.
    bool seek(std::uint64_t offset) {
        if (offset > data_.size()) {
            failed_ = true;
            return false;
        }
        pos_ = static_cast<std::size_t>(offset);
        return true;
    }
    bool skip(std::uint64_t count) {
        if (count > remaining()) {
            pos_ = data_.size();
            failed_ = true;
            return false;
        }
        pos_ += static_cast<std::size_t>(count);
        return true;
    }

    std::uint8_t u8() {
        if (pos_ >= data_.size()) {
            failed_ = true;
            return 0;
        }
        return data_[pos_++];
    }
    std::uint16_t u16le() {
        const std::uint16_t lo = u8();
        return static_cast<std::uint16_t>(lo | (u8() << 8));
    }
    std::uint32_t u32le() {
        const std::uint32_t lo = u16le();
        return lo | (std::uint32_t{u16le()} << 16);
    }
    std::int32_t s32le() { return static_cast<std::int32_t>(u32le()); }

    // The next `count` bytes, or an empty span (and failure) when fewer remain.
    std::span<const std::uint8_t> bytes(std::size_t count) {
        if (count > remaining()) {
            pos_ = data_.size();
            failed_ = true;
            return {};
        }
        const auto out = data_.subspan(pos_, count);
        pos_ += count;
        return out;
    }

    bool byte(std::uint8_t& out) {
        if (remaining() < 1) {
            return false;
        }
        out = u8();
        return true;
    }
    bool int32(std::int32_t& out) {
        if (remaining() < 4) {
            return false;
        }
        out = s32le();
        return true;
    }
    // `units` UTF-16LE code units.
    bool utf16(std::size_t units, std::u16string& out) {
        if (units > remaining() / 2) {
            return false;
        }
        out.clear();
        out.reserve(units);
        for (std::size_t i = 0; i < units; ++i) {
            out.push_back(static_cast<char16_t>(u16le()));
        }
        return true;
    }

    // The bytes not read yet.
    std::string_view rest() const {
        const std::span<const std::uint8_t> left =
            data_.subspan(pos_ < data_.size() ? pos_ : data_.size());
        return {reinterpret_cast<const char*>(left.data()), left.size()};
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace qv
