// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

// The first page of a TIFF through libtiff's RGBA interface: whatever
// photometric interpretation, compression and sample layout libtiff can turn
// into RGBA. A page with extra (alpha) samples comes out as Rgba8, any other
// as Rgb8. libtiff's messages are swallowed, not printed.
ImageError readTiff(std::span<const std::uint8_t> data, Image& out,
                    const DecodeLimits& limits = {});

} // namespace qv::image
