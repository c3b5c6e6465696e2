// SPDX-License-Identifier: MIT
#include "editor/model/SetLock.h"

#include "common/Cp1252.h"

namespace qv {

std::filesystem::path setLockFile(const std::filesystem::path& setsFolder,
                                  const std::string& name) {
    // Appended piece by piece: GCC 12 warns wrongly about "." + string.
    std::string file = ".";
    file += utf8FromCp1252(name);
    file += ".lock";
    return setsFolder / std::filesystem::path(file);
}

} // namespace qv
