// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace qv::image {

enum class ImageFormat { Unknown, Bmp, Jpeg, Png, Gif, Tiff, Ico, Pcx, Wbmp, Tga };

// Recognises the format from the content alone: the formats with a magic
// number first, then the ones whose header can only be checked for
// plausibility (icons, WBMP), and TGA, which has no mark at all, last.
ImageFormat detectImageFormat(std::span<const std::uint8_t> data);

const char* imageFormatName(ImageFormat format);

} // namespace qv::image
