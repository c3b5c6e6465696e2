// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

// The generated Resources folder this build writes.
std::string resourcePath(const std::string& name);

// The whole file, or nothing when it is missing or larger than `limit`.
std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path,
                                                   std::size_t limit = 16u << 20);

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Loads an image the way the game does (SDL2_image, type from the file name)
// and converts it to 8-bit RGBA in memory order; null when it does not load.
SurfacePtr loadRgba(const std::string& name);

struct Rgba {
    int r, g, b, a;
};
Rgba pixel(const SDL_Surface& s, int x, int y);

// What the header of a TGA or BMP file says about its pixels.
struct ImageHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int alphaBits = 0;
    bool compressed = false;
};
std::optional<ImageHeader> readTgaHeader(const std::vector<std::uint8_t>& bytes);
std::optional<ImageHeader> readBmpHeader(const std::vector<std::uint8_t>& bytes);

// A RIFF WAVE file's format and samples; nothing when the file is not a
// well-formed PCM wave (chunks are walked within the file's bounds).
struct Wave {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples; // only for 16-bit data
};
std::optional<Wave> readWave(const std::vector<std::uint8_t>& bytes);

} // namespace qv::test
