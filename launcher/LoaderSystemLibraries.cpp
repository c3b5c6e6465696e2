// SPDX-License-Identifier: MIT
#include "launcher/LoaderSystemLibraries.h"

#include <dlfcn.h>
#include <link.h>

#include <memory>

namespace qv {
namespace {

struct LibraryCloser {
    void operator()(void* handle) const { dlclose(handle); }
};
using LibraryHandle = std::unique_ptr<void, LibraryCloser>;

LibraryHandle openLibrary(const std::string& fileName, int flags) {
    return LibraryHandle(dlopen(fileName.c_str(), flags));
}

} // namespace

bool LoaderSystemLibraries::systemFolder(std::filesystem::path& folder) {
    // Every program here runs on the C library, so its folder is the one
    // the loader treats as the system's.
    LibraryHandle libc = openLibrary("libc.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!libc) {
        return false;
    }
    link_map* map = nullptr;
    if (dlinfo(libc.get(), RTLD_DI_LINKMAP, &map) != 0 || map == nullptr ||
        map->l_name == nullptr || map->l_name[0] != '/') {
        return false;
    }
    std::filesystem::path found = std::filesystem::path(map->l_name).parent_path();
    if (found.empty()) {
        return false;
    }
    folder = found;
    return true;
}

bool LoaderSystemLibraries::canLoad(const std::string& fileName) {
    // A name with a slash would be taken as a path relative to the current
    // folder rather than searched for where the loader keeps libraries.
    if (fileName.empty() || fileName.find('/') != std::string::npos) {
        return false;
    }
    if (openLibrary(fileName, RTLD_LAZY | RTLD_NOLOAD)) {
        return true;
    }
    return openLibrary(fileName, RTLD_LAZY) != nullptr;
}

} // namespace qv
