// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace qv {

// The prizes of the fifteen rungs of the ladder, lowest first. Rung index k
// (0 to 14) is value code k + 1 in the set files.
inline constexpr int rungCount = 15;
inline constexpr std::array<int, rungCount> prizeLadder = {
    100, 200, 300, 500, 1000, 2000, 4000, 8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000,
};

// The longest text a question record holds; longer lines are cut.
inline constexpr std::size_t questionTextLimit = 255;

// One multiple-choice question of the current set. A fresh record holds no
// question: number -1 and "<Empty>" in every text.
struct Question {
    int number = -1; // position in the set file; finds the picture
    std::u16string text = u"<Empty>";
    std::array<std::u16string, 4> answers = {u"<Empty>", u"<Empty>", u"<Empty>", u"<Empty>"};
    int correctAnswer = 0; // 1 to 4 (A to D), 0 when the file gave none
    int value = 0;         // 1 to 15, 0 when the file gave none (never drawn)
    bool hasPicture = false;
    bool used = false; // drawn since its rung was last reset
};

} // namespace qv
