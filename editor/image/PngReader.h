// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// PNG through libpng: every colour type and bit depth, interlaced or not.
// Sixteen-bit samples are cut to eight; a picture with an alpha channel or a
// transparency chunk comes out as Rgba8, any other as Rgb8. libpng's errors
// come back as Corrupt (Truncated when the data ends early).
ImageError readPng(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

} // namespace qv::image
