// SPDX-License-Identifier: MIT
#pragma once
// A cheap look at an image file's header, before any decoder allocates the
// pixels: which of the four formats the game reads it is, and how large it
// claims to be. Files are hostile; every read is bounded by the file.

#include <string>

namespace qv {

enum class ImageFormat { Unknown, Png, Jpeg, Bmp, Tga };

struct ImageInfo {
    ImageFormat format = ImageFormat::Unknown;
    int width = 0;
    int height = 0;
};

// Fills info from the header. False for a file that cannot be read, is of
// another format, claims a size of 0, is a PNG whose chunks before its pixel
// data claim more bytes than the file holds (or that has no pixel data), or
// (for uncompressed and run-length TGA, which have no other check) is too
// short for the pixels it claims.
// TGA has no signature and is only taken from a name ending in ".tga".
bool probeImage(const std::string& path, ImageInfo& info);

// The SDL2_image type name for the format ("PNG", "JPG", "BMP", "TGA").
const char* imageTypeName(ImageFormat format);

} // namespace qv
