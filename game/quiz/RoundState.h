// SPDX-License-Identifier: MIT
#pragma once
// The steps of one question round. The values are stored in Player and shown
// by the automation dump, so they never change; 21 is unused.

#include <cstdint>

namespace qv {

enum class RoundState : std::int32_t {
    Start = 0,
    Welcome = 1,
    AnnounceQuestion = 2,
    ShowQuestion = 3,
    ShowAnswerA = 4,
    ShowAnswerB = 5,
    ShowAnswerC = 6,
    ShowAnswerD = 7,
    AwaitAnswer = 8,
    Commit = 9,
    RevealCorrect = 10,
    CheckAnswer = 11,
    AfterCorrect = 12,
    JokerTaken = 13,
    ClueTaken = 14,
    GambleTaken = 15,
    JokerAct = 16,
    ClueAct = 17,
    GambleSpin = 18,
    GambleLost = 19,
    NextTurn = 20,
    Leave = 22,
    Correct = 23,
    Wrong = 24,
    Final = 25,
};

} // namespace qv
