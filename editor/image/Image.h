// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/ImageError.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv::image {

enum class PixelFormat {
    Rgb8,  // three bytes a pixel: R, G, B
    Rgba8, // four bytes a pixel: R, G, B, A (straight alpha)
};

// What the decoders may allocate. The defaults are the editor's; fuzzers and
// tests pass smaller ones.
struct DecodeLimits {
    std::uint32_t maxSide = 16384;
    std::uint64_t maxPixels = 100'000'000;
};

// A decoded picture: rows top to bottom, no padding between rows.
struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // The size stored in the file. A JPEG decoded with DCT scaling is smaller
    // than this; every other image has the same size here and above.
    std::uint32_t sourceWidth = 0;
    std::uint32_t sourceHeight = 0;
    // Bits per pixel of the source (1 for a black-and-white picture, 8 for a
    // palette or grey image, 24 or 32 for true colour).
    int bitsPerPixel = 0;
    PixelFormat format = PixelFormat::Rgb8;
    std::vector<std::uint8_t> pixels;

    int channels() const { return format == PixelFormat::Rgba8 ? 4 : 3; }
    std::size_t stride() const { return std::size_t{width} * static_cast<std::size_t>(channels()); }
    bool empty() const { return width == 0 || height == 0 || pixels.empty(); }
    std::uint8_t* row(std::uint32_t y) { return pixels.data() + stride() * y; }
    const std::uint8_t* row(std::uint32_t y) const { return pixels.data() + stride() * y; }
};

// Checks a size against the limits without allocating.
ImageError checkImageSize(std::uint64_t width, std::uint64_t height, const DecodeLimits& limits);

// Checks the size, then sets up `image` as width x height pixels of `format`,
// all zero. The source size becomes the same size; bitsPerPixel is left alone.
ImageError allocateImage(Image& image, std::uint64_t width, std::uint64_t height,
                         PixelFormat format, const DecodeLimits& limits);

} // namespace qv::image
