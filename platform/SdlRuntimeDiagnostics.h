// SPDX-License-Identifier: MIT
#pragma once
// Diagnostics from the graphics runtime the game really uses: the SDL2 library
// that the dynamic loader found. A runtime at or above the version the game
// needs reports itself as the generation the game asks for, 9.0c; an older one
// reports 9.0b.

#include "platform/RuntimeDiagnostics.h"

namespace qv {

// The oldest SDL2 that has every rendering call the game makes (geometry
// batches and switching vsync on a live renderer came in 2.0.18).
inline constexpr int requiredSdlMajor = 2;
inline constexpr int requiredSdlMinor = 0;
inline constexpr int requiredSdlPatch = 18;

// The file name of the graphics runtime library in the system library folder.
inline constexpr const char* graphicsRuntimeLibrary = "libSDL2-2.0.so.0";

// True when the SDL2 library loaded into this process is new enough.
bool sdlRuntimeNewEnough();

class SdlRuntimeDiagnostics : public RuntimeDiagnostics {
public:
    bool query(RuntimeReport& report) override;
    // The folder the dynamic loader took the SDL2 library from.
    std::filesystem::path systemFolder() override;
    // Shared libraries carry their version in the name the link resolves to
    // ("libSDL2-2.0.so.0.2600.5" is 0.2600.5.0).
    bool fileVersion(const std::filesystem::path& file, FileVersion& version) override;
};

} // namespace qv
