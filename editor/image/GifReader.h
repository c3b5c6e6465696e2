// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// The first frame of a GIF 87a or 89a file: LZW, interlaced or not, with the
// transparent colour of its graphic control block as alpha 0. The frame is
// placed on the logical screen when it fits there; the screen outside the
// frame is transparent. bitsPerPixel is the colour table's depth (1 to 8).
ImageError readGif(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

} // namespace qv::image
