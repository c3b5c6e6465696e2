// SPDX-License-Identifier: MIT
#include "game/shell/ShowfloorMain.h"

#include <memory>

#include "game/shell/Framework.h"
#include "game/shell/Game.h"
#include "game/shell/GameCallbacks.h"
#include "common/ResourcesFolder.h"
#include "game/shell/ProgramFolder.h"
#include "game/startup/GraphicsRuntimeCheck.h"

namespace qv {

int runShowfloor(PlatformServices services, std::span<const std::string_view> arguments) {
    enterProgramFolder();
    if (!checkGraphicsRuntime(services.diagnostics, services.messages, services.shell)) {
        return 0;
    }
    // The framework outlives the game: the game's sounds and device objects
    // go before SDL does.
    Framework framework(services.messages, services.frameworkSettings);
    auto game = std::make_unique<Game>(framework, resourcesFolder());
    registerGameCallbacks(framework);
    framework.setCursorClippedInFullScreen(true);
    // Escape belongs to the game's quit confirmation, never to the window.
    framework.setEscapeClosesWindow(false);
    if (!framework.initialise(true, arguments, true, true)) {
        return framework.exitCode();
    }
    framework.createWindow("Game");
    if (framework.createDevice(0, false, 1024, 768, &gameDeviceAcceptable,
                               &gameModifyDeviceSettings, nullptr)) {
        framework.mainLoop();
    }
    const int code = framework.exitCode();
    // The device is gone (mainLoop released it, or it never existed);
    // now the game goes, then the framework.
    game.reset();
    return code;
}

} // namespace qv
