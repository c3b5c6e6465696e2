// SPDX-License-Identifier: MIT
#include "editor/model/IniProfile.h"

#include "common/Paths.h"

namespace qv {

std::filesystem::path IniProfile::defaultLocation() {
    return productConfigFolder() / "Setwright.INI";
}

std::string IniProfile::read(const std::string& section, const std::string& key) {
    std::string value;
    store_.readText(section, key, value);
    return value;
}

bool IniProfile::write(const std::string& section, const std::string& key,
                       const std::string& value) {
    return store_.writeText(section, key, value);
}

} // namespace qv
