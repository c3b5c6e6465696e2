// SPDX-License-Identifier: MIT
#pragma once
// National flags built from stripes, crosses and discs, drawn in their
// official proportions and colours.

#include "content/pictures/Canvas.h"

#include <string_view>

namespace qv::pictures {

// Draws the named flag centred on the canvas, with a soft shadow; false when
// no flag of that name is known.
bool drawFlag(Canvas& canvas, std::string_view country);

} // namespace qv::pictures
