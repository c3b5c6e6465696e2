// SPDX-License-Identifier: MIT
#pragma once
// The game finds everything relative to its own program file, whatever the
// folder it was started from.

#include <filesystem>

namespace qv {

// Makes the program's folder the current folder and returns it.
std::filesystem::path enterProgramFolder();

// The folder that was current when the program first entered its own; paths
// the user gives (automation screenshots) are taken relative to it.
std::filesystem::path startFolder();

// Where the game's question sets and saved state live is decided once for all
// three programs by resourcesFolder() in common/ResourcesFolder.h.

} // namespace qv
