// SPDX-License-Identifier: MIT
#pragma once
// Pictures made by the tests: uncompressed BMP files of 1, 8 and 24 bits per
// pixel, and a reader for the picture files the editor writes.

#include "editor/image/Image.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv::test {

using Rgb = std::array<std::uint8_t, 3>;

// A 24-bit BMP whose pixel (x, y) is `colour(x, y)`.
std::string bmp24(int width, int height, const std::function<Rgb(int, int)>& colour);

// A BMP of 1 or 8 bits per pixel: pixel (x, y) is palette entry
// `index(x, y)`.
std::string bmpIndexed(int width, int height, int bits, const std::vector<Rgb>& palette,
                       const std::function<int(int, int)>& index);

// A 24-bit BMP of one colour.
std::string flatBmp(int width, int height, Rgb colour);

// Decodes a picture file; an empty image when it is no picture.
image::Image decodePicture(const std::filesystem::path& file);

// True when the two colours differ by at most `tolerance` in every channel.
bool near(const Rgb& a, const Rgb& b, int tolerance = 12);

// The colour of pixel (x, y) of an Rgb8 image.
Rgb pixelOf(const image::Image& picture, std::uint32_t x, std::uint32_t y);

} // namespace qv::test
