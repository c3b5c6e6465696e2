// SPDX-License-Identifier: MIT
#pragma once
// The fatal errors of the framework: each ends the program with its own exit
// code and, when message boxes are on, with a fixed text.

#include <string>

namespace qv {

enum class FrameworkError {
    // The graphics runtime (SDL's core) would not start.
    NoGraphics,
    NoCompatibleDevices,
    MediaNotFound,
    NonZeroRefCount,
    CreatingDevice,
    ResettingDevice,
    CreatingDeviceObjects,
    ResettingDeviceObjects,
    IncorrectVersion,
    // Any other failure: exit code 1 and no box.
    Other,
};

int exitCodeOf(FrameworkError error);
// Empty for Other. `remoteSession` selects the remote-session wording of
// NoCompatibleDevices.
std::string errorText(FrameworkError error, bool remoteSession = false);

// The title of the framework's boxes: the window's, or this one when the
// window has none.
inline constexpr const char* defaultFrameworkTitle = "DirectX Application";

} // namespace qv
