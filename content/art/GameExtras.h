// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"

namespace qv::art {

// The rest of the game screen: the frame behind a question's picture and its
// four corners, the gamble wheel and its pointer, the eleven prize banners,
// the end button and the firework spark.
void writeGameExtras(ArtWriter& out);

} // namespace qv::art
