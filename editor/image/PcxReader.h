// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// ZSoft paintbrush files: 1, 2, 4 or 8 bits per plane in one to four planes,
// run-length encoded or plain. Up to 16 colours come from the header's
// palette (one plane of one bit is black and white), 256 colours from the
// palette at the end of the file (grey without one), three or four planes of
// eight bits are RGB or RGBA.
ImageError readPcx(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

} // namespace qv::image
