// SPDX-License-Identifier: MIT
#pragma once
// Colours of the presentation engine: four bytes in the order R, G, B, A.

#include <cstdint>

namespace qv {

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    constexpr std::uint8_t channel(int k) const { return k == 0 ? r : k == 1 ? g : k == 2 ? b : a; }
    constexpr void setChannel(int k, std::uint8_t value) {
        (k == 0 ? r : k == 1 ? g : k == 2 ? b : a) = value;
    }
    // The packed form A·2^24 + R·2^16 + G·2^8 + B.
    constexpr std::uint32_t argb() const {
        return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) |
               std::uint32_t{b};
    }
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour opaqueWhite{255, 255, 255, 255};
inline constexpr Colour opaqueBlack{0, 0, 0, 255};
inline constexpr Colour transparentWhite{255, 255, 255, 0};

} // namespace qv
