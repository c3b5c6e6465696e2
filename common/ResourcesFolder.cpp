// SPDX-License-Identifier: MIT
#include "common/ResourcesFolder.h"

#include <unistd.h>

#include <system_error>

#include "common/Paths.h"

namespace qv {
namespace fs = std::filesystem;

bool canWriteFolder(const fs::path& folder) {
    std::error_code error;
    fs::path probe = fs::exists(folder, error) ? folder : folder.parent_path();
    return !probe.empty() && ::access(probe.c_str(), W_OK | X_OK) == 0;
}

fs::path shippedResourcesFolder() { return programFolder() / "Resources"; }

bool copyMissing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_directories(to, error);
    if (error) {
        return false;
    }
    bool ok = true;
    fs::recursive_directory_iterator it(from, fs::directory_options::none, error);
    if (error) {
        return false;
    }
    for (auto end = fs::recursive_directory_iterator(); it != end; it.increment(error)) {
        if (error) {
            return false;
        }
        const fs::path relative = it->path().lexically_relative(from);
        const fs::path target = to / relative;
        std::error_code step;
        if (it->is_directory(step)) {
            fs::create_directories(target, step);
        } else if (it->is_regular_file(step) && !fs::exists(fs::symlink_status(target, step))) {
            fs::copy_file(it->path(), target, fs::copy_options::skip_existing, step);
        }
        ok = ok && !step;
    }
    return ok;
}

fs::path chooseResourcesFolder(const fs::path& shipped, const fs::path& userData,
                               bool shippedWritable) {
    if (shippedWritable) {
        return shipped;
    }
    fs::path own = userData / "Quizvale" / "Resources";
    copyMissing(shipped, own);
    std::error_code error;
    if (!fs::is_directory(own, error)) {
        // No home to copy into: read the shipped folder; saves will fail
        // and say so, but the game still has its pictures and sets.
        return shipped;
    }
    return own;
}

fs::path resourcesFolder() {
    fs::path shipped = shippedResourcesFolder();
    return chooseResourcesFolder(shipped, userDataFolder(), canWriteFolder(shipped));
}

} // namespace qv
