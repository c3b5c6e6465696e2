// SPDX-License-Identifier: MIT
#pragma once

namespace qv::art {

// Colours as fractions 0 to 1, alpha last.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    constexpr Colour withAlpha(double alpha) const { return {r, g, b, alpha}; }
    // Linear mix towards `other` by t (0 keeps this colour).
    constexpr Colour mix(const Colour& other, double t) const {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t,
                a + (other.a - a) * t};
    }
};

constexpr Colour rgb(int r, int g, int b, double a = 1.0) {
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

// The one palette of every screen: deep teal and ink behind, coral and cream
// for what is lit, mint for a right answer, crimson for a loss.
namespace palette {
constexpr Colour inkDeep = rgb(6, 11, 19);
constexpr Colour ink = rgb(12, 21, 33);
constexpr Colour inkLight = rgb(26, 40, 56);
constexpr Colour tealDeep = rgb(9, 48, 56);
constexpr Colour teal = rgb(18, 92, 102);
constexpr Colour tealBright = rgb(52, 160, 158);
constexpr Colour coral = rgb(255, 126, 92);
constexpr Colour coralLight = rgb(255, 168, 128);
constexpr Colour coralDeep = rgb(214, 78, 56);
constexpr Colour ember = rgb(160, 48, 40);
constexpr Colour cream = rgb(255, 242, 214);
constexpr Colour creamDim = rgb(214, 204, 184);
constexpr Colour mint = rgb(72, 222, 164);
constexpr Colour mintDeep = rgb(22, 138, 100);
constexpr Colour crimson = rgb(206, 40, 64);
constexpr Colour crimsonDeep = rgb(122, 16, 36);
constexpr Colour white = rgb(255, 255, 255);
constexpr Colour black = rgb(0, 0, 0);
} // namespace palette

} // namespace qv::art
