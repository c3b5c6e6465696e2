// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// Windows icons and cursors: the largest entry (most pixels, then most bits
// per pixel), stored as a bitmap with an AND mask or as a PNG. Always Rgba8.
ImageError readIco(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

// True when the header and directory are plausible for readIco.
bool looksLikeIco(std::span<const std::uint8_t> data);

} // namespace qv::image
