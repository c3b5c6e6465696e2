// SPDX-License-Identifier: MIT
#pragma once
// What a window remembers of the set file it last read or wrote, so that a
// save can tell when another program changed the file in between.

#include <cstdint>
#include <filesystem>

namespace qv {

struct SetFileIdentity {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    std::uint64_t hash = 0; // of the whole content; 0 when it could not be read

    bool operator==(const SetFileIdentity&) const = default;
};

// Reads `file` as it is now. A missing file has the identity of no file.
SetFileIdentity identityOf(const std::filesystem::path& file);

} // namespace qv
