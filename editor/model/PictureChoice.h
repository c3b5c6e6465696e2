// SPDX-License-Identifier: MIT
#pragma once
// The path "Add Pic" remembers and imports for a chosen picture file.

#include <filesystem>

namespace qv {

// The chosen path in lower case (ASCII letters only) where that still names
// the very file chosen, and the path as chosen otherwise: on a file system
// that tells cases apart the lower-cased path may name no file, or another.
std::filesystem::path lowerCasedPictureChoice(const std::filesystem::path& chosen);

} // namespace qv
