// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace qv::image::bench {

// A photograph-like JPEG of `width` x `height` at quality 90: smooth colour
// gradients and soft shapes with per-pixel noise, so that the entropy data is
// as busy as a camera picture's and neither decoder can take a shortcut.
std::vector<std::uint8_t> makePhotoJpeg(std::uint32_t width, std::uint32_t height);

} // namespace qv::image::bench
