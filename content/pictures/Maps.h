// SPDX-License-Identifier: MIT
#pragma once
// Outlines of continents and countries, drawn from simplified coastlines
// given as longitude and latitude.

#include "content/pictures/Canvas.h"

#include <string_view>

namespace qv::pictures {

// Draws the named land mass as a cream shape on the stage; false when no
// outline of that name is known.
bool drawOutline(Canvas& canvas, std::string_view name);

} // namespace qv::pictures
