#pragma once

#include <array>

// Where the game screen places its pieces: every painted resting look in the
// background lines up with the sprite drawn over it, and with the texts the
// game prints (a text starts at its x and is centred vertically on its y).
namespace qv::art::layout {

constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;
// How far the wider backdrop reaches beyond each side of the screen: enough
// for a window two and a half times as wide as it is high.
constexpr int wideMargin = 448;

struct Point {
    int x;
    int y;
};

// Answer plates: sprite centres, image size, and the plate inside the image.
constexpr int plateWidth = 370;
constexpr int plateHeight = 52;
constexpr std::array<Point, 4> plateCentres{{{209, 661}, {589, 661}, {209, 719}, {589, 719}}};
constexpr std::array<const char*, 4> answerLetters{"A", "B", "C", "D"};
constexpr double plateInset = 4;
constexpr double plateRadius = 22;
// The letter badge, in image coordinates; answer texts start at image x 56.
constexpr double badgeX = 30;
constexpr double badgeY = 26;
constexpr double badgeRadius = 15;

// Take and help buttons along the top right.
constexpr int helpWidth = 90;
constexpr int helpHeight = 56;
constexpr int helpY = 69;
constexpr std::array<int, 4> helpX{659, 763, 859, 955};
constexpr double helpInset = 4;
constexpr double helpRadius = 14;

// The prize ladder: fifteen rungs, the first at the bottom.
constexpr int rungWidth = 220;
constexpr int rungHeight = 38;
constexpr int rungX = 903;
constexpr int rungY(int question) {
    return 153 + 41 * (15 - question);
}
constexpr std::array<int, 15> prizes{100,   200,   300,   500,    1000,   2000,   4000,   8000,
                                     16000, 32000, 64000, 125000, 250000, 500000, 1000000};
constexpr bool guaranteed(int question) {
    return question == 5 || question == 10;
}
constexpr double rungInset = 2;
// In rung image coordinates: the question number starts at numberX, the
// amount ends at amountRight.
constexpr double rungNumberX = 14;
constexpr double rungMarkX = 52;
constexpr double rungAmountRight = 204;

// Text lines the game prints over the background.
constexpr Point playerLabel{100, 66};
constexpr Point hostLine{80, 160};
constexpr Point questionLine{100, 582};

// The middle of the playing area, where picture, wheel and win banner sit.
constexpr Point stageCentre{399, 365};

} // namespace qv::art::layout
