// SPDX-License-Identifier: MIT
#pragma once

#include <cairo.h>

#include <string>

namespace qv::art {

// Writers for the formats the game loads. Each returns false when the surface
// is not an ARGB32 image or the file cannot be written completely.

// Uncompressed 32-bit true-colour TGA with straight (not premultiplied)
// alpha, rows stored top first.
bool writeTga(cairo_surface_t* surface, const std::string& path);
// 24-bit BMP, alpha dropped (the image is composited over black first).
bool writeBmp(cairo_surface_t* surface, const std::string& path);
bool writePng(cairo_surface_t* surface, const std::string& path);

} // namespace qv::art
