// SPDX-License-Identifier: MIT
#pragma once
// The situations of the round in which the host speaks. 9 is unused.

namespace qv {

enum class HostLine {
    Welcome = 0,
    FirstQuestion = 1,
    NextQuestion = 2,
    Advice = 3,
    Correct = 4,
    Wrong = 5,
    ExplainJoker = 6,
    ExplainClue = 7,
    ExplainGamble = 8,
    JokerTaken = 10,
    ClueTaken = 11,
    GambleTaken = 12,
    Leave = 13,
    NothingToLose = 14,
};

} // namespace qv
