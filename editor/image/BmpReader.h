// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel, RLE4 and
// RLE8, bottom-up and top-down rows, bit-field masks. A 32-bit picture keeps
// its alpha only when its header names an alpha mask.
ImageError readBmp(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

// The bitmap of an icon entry: no file header, the height in the header counts
// the colour rows and the AND mask, and the AND mask becomes the alpha (a
// 32-bit entry keeps its own alpha unless all of it is zero). Always Rgba8.
ImageError readIconBitmap(std::span<const std::uint8_t> data, Image& out,
                          const DecodeLimits& limits = {});

} // namespace qv::image
