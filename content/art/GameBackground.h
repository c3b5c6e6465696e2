// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"

namespace qv::art {

// The stage of the game screen ("Back.bmp", multiplied by the game's slowly
// cycling colour, so painted light and neutral) and the frame laid over it
// ("Backframe.tga", in the fixed colours of the palette).
void writeGameBackground(ArtWriter& out);

} // namespace qv::art
