// SPDX-License-Identifier: MIT
#include "editor/model/SetFileIdentity.h"

#include "common/FileIo.h"

#include <string>
#include <system_error>

namespace qv {
namespace {

// Larger files than the editor opens are told apart by size and time alone.
constexpr std::size_t maxHashedBytes = std::size_t{64} << 20;

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

} // namespace

SetFileIdentity identityOf(const std::filesystem::path& file) {
    SetFileIdentity identity;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return identity;
    }
    identity.exists = true;
    identity.size = std::filesystem::file_size(file, error);
    identity.modified = std::filesystem::last_write_time(file, error);
    std::string bytes;
    if (readWholeFile(file, bytes, maxHashedBytes)) {
        identity.hash = fnv1a(bytes);
    }
    return identity;
}

} // namespace qv
