// SPDX-License-Identifier: MIT
#pragma once
// Keys typed into one of the question's two lists in quick succession form
// one entry, as in any list box's type-ahead, but read the way a person
// thinks of the entries: "C" or "3" for the correct answer, "500" for that
// prize, "7" for the seventh rung.

#include <string_view>

namespace qv {

enum class ChoiceList { CorrectAnswer, Value };

// The entry (its stored code) that `typed` picks in `list`, or -1 for none.
// Correct answer: A to D or 1 to 4, either case. Value: a prize of the
// ladder ("500", "1000000") picks that prize, otherwise a number 1 to 15
// picks that rung.
int typedChoice(ChoiceList list, std::string_view typed);

} // namespace qv
