// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/Canvas.h"
#include "content/art/Palette.h"

namespace qv::art {

// Small line icons, drawn in one colour centred on (cx, cy), about 24 pixels
// across at size 1.
enum class Icon { Take, Joker, Clue, Gamble, Player, Host, Question };

void paintIcon(const Canvas& canvas, Icon icon, double cx, double cy, const Colour& colour,
               double size = 1.0);

} // namespace qv::art
