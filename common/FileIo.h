// SPDX-License-Identifier: MIT
#pragma once
// Reading whole files and writing them so that a reader never sees half of one.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

// Reads a regular file into `out`. False when it cannot be opened or read, or
// when it holds more than maxBytes (nothing past that is read).
bool readWholeFile(const std::filesystem::path& path, std::string& out,
                   std::size_t maxBytes = std::size_t{256} << 20);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk,
// then renames it over `path`. On any failure the temporary file is removed,
// the previous file is left whole, and the result is false.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace qv
