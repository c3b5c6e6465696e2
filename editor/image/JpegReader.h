// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <span>

namespace qv::image {

struct JpegDecodeOptions {
    // When not zero, the caller is going to shrink the picture into this box
    // (planShrink). The decoder may then let libjpeg scale the DCT down by
    // n/8, never below the size the shrink will produce, so that a large
    // photograph decodes at a fraction of the work. The image's width and
    // height are then the scaled size; sourceWidth and sourceHeight stay the
    // stored size.
    std::uint32_t fitWidth = 0;
    std::uint32_t fitHeight = 0;
};

// What a JPEG's header says, for the stored-picture check.
struct JpegDetails {
    bool yCbCr = false; // three components in YCbCr
    bool progressive = false;
};

// JPEG through libjpeg: grey, YCbCr, RGB, CMYK and YCCK, baseline and
// progressive, 8-bit samples. Grey comes out as Rgb8 with bitsPerPixel 8.
// A file that ends early or whose entropy data is damaged is refused.
ImageError readJpeg(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits = {},
                    const JpegDecodeOptions& options = {}, JpegDetails* details = nullptr);

} // namespace qv::image
