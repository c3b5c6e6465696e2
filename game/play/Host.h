// SPDX-License-Identifier: MIT
#pragma once
// The presenter of the show, in text only: one line at a time, picked by
// chance among fixed remarks and by the player's place on the ladder. Two
// pickers never repeat themselves: advice avoids the last advice, and the
// verdicts avoid the pick of the last wrong answer, across questions and
// games.

#include "common/Random.h"
#include "game/play/Player.h"
#include "game/quiz/HostLine.h"

#include <string>
#include <string_view>

namespace qv {

class Host {
public:
    // Composes the line of `kind` for the player into `line`, drawing from
    // the generator as the remark needs. Returns false when the host stays
    // silent: advice while a line is still on screen (`lineOnScreen`), which
    // then changes nothing. For the three help-option kinds no line is
    // composed and `line` keeps the previous one, to be shown again.
    static bool compose(HostLine kind, Player& player, Random& random, std::u16string_view name,
                        bool lineOnScreen, std::u16string& line);

    // A whole number from 0 to n, each equally likely.
    static int pick(Random& random, int n);
    // A coin: true when it lands above 0.5.
    static bool coin(Random& random) { return random.between(0.0, 1.0) > 0.5; }
};

// Fills the "%d" and "%s" placeholders of a remark in order; "%1$s" and
// "%2$d" name the value, for languages that put them the other way round.
std::u16string fillRemark(std::u16string_view pattern, std::u16string_view first,
                          std::u16string_view second = {});
// An amount as the player's language writes it ("32000" in English, with
// no separators, as the game has always shown it).
std::u16string amountText(int amount);

} // namespace qv
