// SPDX-License-Identifier: MIT
#pragma once

#include "game/quiz/BoardLayout.h"
#include "game/quiz/PrizeLadder.h"

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

using Point = board::Place;

// Answer plates: sprite centres, image size, and the plate inside the image.
constexpr int plateWidth = 370;
constexpr int plateHeight = 52;
constexpr std::array<Point, 4> plateCentres = board::answerCentres;
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
constexpr int helpY = board::helpY;
constexpr std::array<int, 4> helpX = board::helpX;
constexpr double helpInset = 4;
constexpr double helpRadius = 14;

// The prize ladder: fifteen rungs, the first at the bottom.
constexpr int rungWidth = 220;
constexpr int rungHeight = 38;
constexpr int rungX = board::rungX;
constexpr int rungY(int question) {
    return board::rungY(question);
}
inline constexpr const std::array<int, rungCount>& prizes = prizeLadder;
constexpr bool guaranteed(int question) {
    for (const int rung : guaranteedRungs) {
        if (rung == question) {
            return true;
        }
    }
    return false;
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
