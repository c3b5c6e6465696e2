// SPDX-License-Identifier: MIT
#pragma once

// Small writers for the formats we read, so that every test image is made by
// the test itself. They write the variants the readers must handle, not
// what a good encoder would choose.

#include "editor/image/Image.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::image::test {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A palette of up to 256 distinct colours and a picture of indices into it.
struct Indexed {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices; // row-major, top row first
};

Indexed makeIndexed(std::uint32_t width, std::uint32_t height, unsigned colours);
// A true-colour picture whose every pixel differs from its neighbours.
Image makeRgb(std::uint32_t width, std::uint32_t height, bool alpha = false);
// The picture an Indexed gives once its indices are looked up.
Image expand(const Indexed& picture);

// Pixel (x, y) as R, G, B (and A when the image has it).
std::array<std::uint8_t, 4> pixelAt(const Image& image, std::uint32_t x, std::uint32_t y);
// Compares two images pixel by pixel (RGB only, or RGBA when both have it);
// returns an empty string when equal, else where they first differ.
std::string firstDifference(const Image& a, const Image& b, int tolerance = 0);

// BMP: bpp 1, 4, 8 from `Indexed`; 16 (5-5-5), 24 and 32 from an Image.
Bytes writeBmpIndexed(const Indexed& picture, int bpp, bool topDown = false);
Bytes writeBmpRgb(const Image& image, int bpp, bool topDown = false);
// 16 or 32 bits with explicit masks in a version 3 header (alpha in a v5 one).
Bytes writeBmpBitFields(const Image& image, int bpp, std::array<std::uint32_t, 4> masks);
// A BMP with an RLE8 or RLE4 body given as raw bytes and a palette.
Bytes writeBmpRle(std::uint32_t width, std::int32_t height, int bpp,
                  const std::vector<Rgb>& palette, const Bytes& body);

// GIF with one frame (LZW at the palette's code size; clears often enough to
// stay within the first code width, as the simplest encoders do).
struct GifOptions {
    bool interlaced = false;
    int transparent = -1;
    std::uint32_t screenWidth = 0; // 0: the frame's size
    std::uint32_t screenHeight = 0;
    std::uint32_t left = 0;
    std::uint32_t top = 0;
    bool localTable = false;
};
Bytes writeGif(const Indexed& picture, const GifOptions& options = {});

// TGA: type 1 (colour-mapped, 24-bit map), 2 (true colour 16/24/32), 3 (grey),
// with RLE (types 9, 10, 11) on request; `descriptor` sets the orientation bits.
Bytes writeTgaMapped(const Indexed& picture, bool rle, unsigned descriptor = 0x20);
Bytes writeTgaTrue(const Image& image, int depth, bool rle, unsigned descriptor = 0x20);
Bytes writeTgaGrey(const Image& image, bool rle, unsigned descriptor = 0x20);

// PCX with `bits` bits per plane and `planes` planes of indices, or three
// planes of eight bits from an Image; RLE-encoded.
Bytes writePcxIndexed(const Indexed& picture, int bits, int planes);
Bytes writePcxRgb(const Image& image);

// An icon directory around the given entries (each a DIB or a PNG).
struct IconEntry {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bpp = 0;
    Bytes data;
};
Bytes writeIco(const std::vector<IconEntry>& entries);
// A 32-bit icon DIB (no file header, doubled height, AND mask).
Bytes writeIconDib32(const Image& rgba);
// An 8-bit icon DIB whose AND mask makes the pixels with `clearIndex` clear.
Bytes writeIconDib8(const Indexed& picture, int clearIndex);

Bytes writeWbmp(const Indexed& twoColour);

// Through the libraries themselves, for the independent checks.
Bytes writePngWithLibpng(const Image& image, bool interlaced, int bitDepth = 8);
Bytes writeGreyPngWithLibpng(const Indexed& picture, int bitDepth);
Bytes writeTiffWithLibtiff(const Image& image, bool lzw);
Image decodeWithLibjpeg(const Bytes& jpeg, bool* baseline = nullptr, int* components = nullptr);
Bytes writeJpegWithLibjpeg(const Image& rgb, int quality, bool progressive, bool grey = false);
// A progressive JPEG of 190 scans (libjpeg itself reads it).
Bytes writeJpegWithManyScans(const Image& rgb);

Bytes readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

// A fresh empty folder under the system's temporary folder.
std::filesystem::path makeTempFolder(const std::string& name);

} // namespace qv::image::test
