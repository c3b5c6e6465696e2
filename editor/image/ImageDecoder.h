// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"
#include "editor/image/ImageFormat.h"
#include "editor/image/JpegReader.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace qv::image {

// Files larger than this are not read at all: no picture we accept needs it.
inline constexpr std::uint64_t kMaxImageFileBytes = 512ull * 1024 * 1024;

// Decodes an image of any format we read, recognised from its content. On
// failure `out` is left as it was and `error` (when given) says why.
bool decodeImage(std::span<const std::uint8_t> data, Image& out, ImageError* error = nullptr,
                 const DecodeLimits& limits = {}, const JpegDecodeOptions& jpeg = {});

// Reads the whole file into `out` (at most kMaxImageFileBytes).
bool readImageFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                   ImageError* error = nullptr);

// readImageFile, then decodeImage.
bool decodeImageFile(const std::filesystem::path& path, Image& out, ImageError* error = nullptr,
                     const DecodeLimits& limits = {});

} // namespace qv::image
