// SPDX-License-Identifier: MIT
#pragma once
// Where the game screen places its buttons and ladder rungs on the 1024 x 768
// screen. The game draws its sprites here and the art generator paints their
// resting looks into the background here, so both must read the same numbers.

#include "game/quiz/Question.h"

#include <array>

namespace qv::board {

struct Place {
    int x;
    int y;
};

// Centres of the answer buttons A to D.
inline constexpr std::array<Place, 4> answerCentres{{{209, 661}, {589, 661}, {209, 719}, {589, 719}}};

// Centres of the Take, Joker, Clue and Gamble buttons along the top.
inline constexpr int helpY = 69;
inline constexpr std::array<int, 4> helpX{659, 763, 859, 955};

// The centre of the ladder rung of question q (1 = the bottom rung).
inline constexpr int rungX = 903;
constexpr int rungY(int question) {
    return 153 + 41 * (rungCount - question);
}

} // namespace qv::board
