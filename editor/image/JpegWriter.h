// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"

#include <cstdint>
#include <vector>

namespace qv::image {

inline constexpr int kPictureQuality = 90;

// Encodes `image` as a baseline JFIF JPEG, YCbCr 4:2:0, 24 bits per pixel, at
// `quality` (1 to 100). An alpha channel is dropped. On failure `out` is left
// empty.
ImageError encodeJpeg(const Image& image, std::vector<std::uint8_t>& out,
                      int quality = kPictureQuality);

} // namespace qv::image
