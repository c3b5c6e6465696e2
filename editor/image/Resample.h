// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"
#include "editor/image/PictureSize.h"

#include <cstdint>

namespace qv::image {

// Nearest-pixel resampling: target pixel (x, y) takes source pixel
// (x * W / w, y * H / h), truncated, where W x H is the source size and
// w x h the target size. No interpolation. The result keeps the pixel format
// and bits per pixel; its source size becomes w x h.
ImageError resampleNearest(const Image& source, std::uint32_t width, std::uint32_t height,
                           Image& out);

// Both steps of `steps` in one pass, each by the rule above: the same pixels
// as resampling to steps.afterWidth and then to steps.afterHeight. When
// `source` is smaller than steps.source (a JPEG decoded with DCT scaling), the
// stored-size coordinate is carried over to the decoded image by the same
// rule.
ImageError shrinkPicture(const Image& source, const ShrinkSteps& steps, Image& out);

// Makes the picture 24 bits per pixel: Rgb8, any alpha dropped (a GIF's
// transparent pixels keep their palette colour).
void raiseTo24Bits(Image& image);

} // namespace qv::image
