// SPDX-License-Identifier: MIT
#pragma once
// SystemLibraries answered by the dynamic loader itself (dlopen), so that the
// answer matches what the game meets when it starts.

#include "launcher/SystemLibraries.h"

namespace qv {

class LoaderSystemLibraries : public SystemLibraries {
public:
    // The folder the loader took the C library from.
    bool systemFolder(std::filesystem::path& folder) override;
    // Asks for an already loaded copy first; otherwise loads the library
    // lazily and unloads it again, so nothing of it stays in this process.
    bool canLoad(const std::string& fileName) override;
};

} // namespace qv
