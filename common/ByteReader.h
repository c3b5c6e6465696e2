#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qv::image {

// Bounded reads over a block of bytes. A read past the end yields zero and
// sets the sticky `failed` flag, so a reader checks once after a group of
// fields instead of before each one.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

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

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace qv::image
