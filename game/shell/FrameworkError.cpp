// SPDX-License-Identifier: MIT
#include "game/shell/FrameworkError.h"

#include "common/Translate.h"

namespace qv {

int exitCodeOf(FrameworkError error) {
    switch (error) {
    case FrameworkError::NoGraphics:
        return 2;
    case FrameworkError::NoCompatibleDevices:
        return 3;
    case FrameworkError::MediaNotFound:
        return 4;
    case FrameworkError::NonZeroRefCount:
        return 5;
    case FrameworkError::CreatingDevice:
        return 6;
    case FrameworkError::ResettingDevice:
        return 7;
    case FrameworkError::CreatingDeviceObjects:
        return 8;
    case FrameworkError::ResettingDeviceObjects:
        return 9;
    case FrameworkError::IncorrectVersion:
        return 10;
    case FrameworkError::Other:
        break;
    }
    return 1;
}

std::string errorText(FrameworkError error, bool remoteSession) {
    switch (error) {
    case FrameworkError::NoGraphics:
        return tr8(
            // TRANSLATORS: a message box when the game cannot draw at all.
            "Could not initialize Direct3D. You may want to check that the latest version of "
            "DirectX is correctly installed on your system.  Also make sure that this program "
            "was compiled with header files that match the installed DirectX DLLs.");
    case FrameworkError::NoCompatibleDevices:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return remoteSession ? tr8("Direct3D does not work over a remote session.")
                             // TRANSLATORS: a message box when the game cannot draw at all.
                             : tr8("Could not find any compatible Direct3D devices.");
    case FrameworkError::MediaNotFound:
        // TRANSLATORS: a message box when the game's pictures or sounds are missing.
        return tr8("Could not find required media. Ensure that the DirectX SDK is correctly "
                   "installed.");
    case FrameworkError::NonZeroRefCount:
        // TRANSLATORS: a message box when the game closes after an internal fault.
        return tr8("The D3D device has a non-zero reference count, meaning some objects were not "
                   "released.");
    case FrameworkError::CreatingDevice:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return tr8("Failed creating the Direct3D device.");
    case FrameworkError::ResettingDevice:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return tr8("Failed resetting the Direct3D device.");
    case FrameworkError::CreatingDeviceObjects:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return tr8("Failed creating Direct3D device objects.");
    case FrameworkError::ResettingDeviceObjects:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return tr8("Failed resetting Direct3D device objects.");
    case FrameworkError::IncorrectVersion:
        // TRANSLATORS: a message box when the game cannot draw at all.
        return tr8("Incorrect version of Direct3D and/or D3DX.");
    case FrameworkError::Other:
        break;
    }
    return {};
}

} // namespace qv
