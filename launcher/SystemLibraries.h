// SPDX-License-Identifier: MIT
#pragma once
// The system's shared libraries as the dynamic loader sees them: where it
// keeps its own, and whether it can load a given library file.

#include <filesystem>
#include <string>

namespace qv {

class SystemLibraries {
public:
    virtual ~SystemLibraries() = default;
    // The folder that holds the system's own libraries. False, with `folder`
    // untouched, when the loader does not tell.
    virtual bool systemFolder(std::filesystem::path& folder) = 0;
    // Whether the loader finds and can load the library file `fileName`
    // (a name such as "libSDL2-2.0.so.0", looked up the way a program that
    // links it would find it).
    virtual bool canLoad(const std::string& fileName) = 0;
};

} // namespace qv
