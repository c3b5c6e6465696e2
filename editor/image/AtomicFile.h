#pragma once

#include "editor/image/ImageError.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace qv::image {

// Writes `bytes` to a temporary file beside `path` and renames it over `path`,
// so that a failed write leaves the old file whole. The folder must exist.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         ImageError* error = nullptr);

} // namespace qv::image
