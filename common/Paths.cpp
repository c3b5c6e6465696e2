// SPDX-License-Identifier: MIT
#include "common/Paths.h"

#include <cstdlib>
#include <system_error>

namespace qv {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::filesystem::path programFolder() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty()) {
        return std::filesystem::current_path(error);
    }
    return self.parent_path();
}

namespace {

std::filesystem::path homeFolder() {
    std::string home = environmentValue("HOME");
    return home.empty() ? std::filesystem::path("/tmp") : std::filesystem::path(home);
}

std::filesystem::path xdgFolder(const char* variable, const char* fallback) {
    std::string value = environmentValue(variable);
    // Relative values are invalid by the base-directory rules and ignored.
    if (!value.empty() && value.front() == '/') {
        return value;
    }
    return homeFolder() / fallback;
}

} // namespace

std::filesystem::path userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path userDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path productConfigFolder() { return userConfigFolder() / "Quizvale"; }

} // namespace qv
