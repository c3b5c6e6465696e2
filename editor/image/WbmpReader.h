// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// Wireless bitmaps of type 0: one bit a pixel, 1 white, rows padded to bytes.
ImageError readWbmp(std::span<const std::uint8_t> data, Image& out,
                    const DecodeLimits& limits = {});

// The format's only marks are two zero bytes, so this also checks that the
// size fields are well formed and that the file is exactly as long as they
// say (trailing bytes up to a few allowed).
bool looksLikeWbmp(std::span<const std::uint8_t> data);

} // namespace qv::image
