// SPDX-License-Identifier: MIT
#include "editor/model/SetLock.h"

namespace qv {

std::filesystem::path setLockFile(const std::filesystem::path& setsFolder,
                                  const std::string& name) {
    // Appended piece by piece: GCC 12 warns wrongly about "." + string.
    std::string file = ".";
    file += name;
    file += ".lock";
    return setsFolder / std::filesystem::path(file);
}

} // namespace qv
