// SPDX-License-Identifier: MIT
#pragma once
// The game's one random generator. Every random choice of the game draws from
// it, so a run seeded with the same number plays the same.

#include <cstdint>

namespace qv {

class Random {
public:
    void seed(std::uint32_t value) { state_ = value; }
    std::uint32_t state() const { return state_; }

    // The next 15-bit value, 0 to 32767, of a linear congruential generator.
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

    // A number in [lo, hi): lo + r * (hi - lo) / 32768.
    double between(double lo, double hi) { return lo + next() * (hi - lo) / 32768.0; }

    // A whole number drawn from [lo, hi), truncated toward zero.
    int index(double lo, double hi) { return static_cast<int>(between(lo, hi)); }

private:
    std::uint32_t state_ = 1;
};

} // namespace qv
