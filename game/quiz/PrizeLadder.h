// SPDX-License-Identifier: MIT
#pragma once
// The money rules of play: what each question is worth, what the fifth and
// tenth questions guarantee, and what a player leaving with a given amount
// sees on the final screen.

#include "game/quiz/Question.h"

#include <array>
#include <span>
#include <string>

namespace qv {

// The level of a player who has answered every question: the top rung won.
inline constexpr int topRung = rungCount;
// The rungs whose prize a later wrong answer no longer takes away, lowest
// first (the fifth and the tenth).
inline constexpr std::array<int, 2> guaranteedRungs = {5, 10};

// Whether `level` stands exactly on the start or on a guaranteed rung, where a
// wrong answer costs nothing.
bool isLevelWithoutRisk(int level);
// The guaranteed rung at or below `level`, 0 below the first one.
int guaranteedRungBelow(int level);

// The prize of question n (1 = first question); 0 for any other n.
int questionValue(int n);
// What a player at `level` keeps after a wrong answer: 0 below level 5, 1000
// for levels 5 to 9, 32000 for levels 10 to 15, 0 outside 0 to 15.
int guaranteedAmount(int level);

// One firework emitter of the final screen, given to FireworkBurst::configure.
struct EmitterSetting {
    float maxSpeed;
    int sparks;
    float fadeTime;
};

// The emitters started for an amount, in the order of the game screen's
// emitters; empty for an amount that has no final screen (0 to 500).
std::span<const EmitterSetting> fireworksFor(int amount);
// Whether leaving with the amount shows the final screen.
bool hasFinalScreen(int amount);
// "Resources//<amount>win.tga".
std::string winImagePath(int amount);
// "Resources//<questionValue(q)>.tga", the ladder rung of question q.
std::string rungImagePath(int q);

} // namespace qv
