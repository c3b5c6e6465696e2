// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"

namespace qv::art {

// The settings and game-over screens with their buttons, the quit question
// laid over any screen, and the mouse pointer.
void writeScreenArt(ArtWriter& out);

} // namespace qv::art
