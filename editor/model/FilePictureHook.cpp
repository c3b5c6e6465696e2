// SPDX-License-Identifier: MIT
#include "editor/model/FilePictureHook.h"

#include "common/FileIo.h"

#include <system_error>

namespace qv {
namespace {

// A picture file is at most 680 x 275 pixels; anything far larger is not one.
constexpr std::size_t maxPictureBytes = std::size_t{64} << 20;

} // namespace

bool FilePictureHook::importPicture(const std::filesystem::path& source,
                                    const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error) || error) {
        return false;
    }
    if (std::filesystem::equivalent(source, target, error) && !error) {
        return true;
    }
    std::string bytes;
    return readWholeFile(source, bytes, maxPictureBytes) && writeFileAtomically(target, bytes);
}

bool FilePictureHook::showPicture(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && !error;
}

} // namespace qv
