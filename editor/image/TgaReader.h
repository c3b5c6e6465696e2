// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// Truevision targa: colour-mapped (8 or 16-bit indices into a 15, 16, 24 or
// 32-bit map), true colour (15, 16, 24, 32 bits; 32 keeps its alpha) and grey
// (8 bits, or 16 with alpha), each plain or run-length encoded, in any of the
// four row and column orders.
ImageError readTga(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {});

// True when the 18-byte header is one readTga accepts. The format has no magic
// number, so this is the last test of the format sniffer.
bool looksLikeTga(std::span<const std::uint8_t> data);

} // namespace qv::image
