// SPDX-License-Identifier: MIT
#include "game/shell/GameCallbacks.h"

#include "game/shell/Framework.h"
#include "game/shell/Game.h"

namespace qv {

namespace {

int onDeviceCreated(SDL_Renderer* device, const BackBufferDesc& /*backBuffer*/, void* /*user*/) {
    Game* game = Game::current();
    return game != nullptr && game->onCreateDevice(device) ? 0 : -1;
}

int onDeviceReset(SDL_Renderer* /*device*/, const BackBufferDesc& /*backBuffer*/, void* /*user*/) {
    Game* game = Game::current();
    if (game != nullptr && !game->onResetDevice(game->framework().texturesLost())) {
        return -1;
    }
    return 0;
}

void onDeviceLost(void* /*user*/) {
    if (Game* game = Game::current()) {
        game->onLostDevice();
    }
}

void onDeviceDestroyed(void* /*user*/) {
    // The game outlives the device: a device made again finds it, and main
    // destroys it when the program ends.
    if (Game* game = Game::current()) {
        game->onDestroyDevice();
    }
}

long onMessage(SDL_Window* /*window*/, const SDL_Event& event, bool& /*noFurtherProcessing*/,
               void* /*user*/) {
    if (Game* game = Game::current()) {
        game->onEvent(event);
    }
    return 0;
}

void onFrameMove(SDL_Renderer* /*device*/, double /*time*/, float /*elapsed*/, void* /*user*/) {
    if (Game* game = Game::current()) {
        game->beginFrame();
    }
}

void onFrameRender(SDL_Renderer* device, double /*time*/, float elapsed, void* /*user*/) {
    Game* game = Game::current();
    if (game == nullptr) {
        return;
    }
    SDL_SetRenderDrawColor(device, 0, 0, 0, 255);
    SDL_RenderClear(device);
    game->frame(elapsed);
    // Before present: a screenshot reads the frame just drawn.
    game->endFrame(device);
}

} // namespace

void registerGameCallbacks(Framework& framework) {
    framework.setDeviceCreatedCallback(&onDeviceCreated, nullptr);
    framework.setDeviceResetCallback(&onDeviceReset, nullptr);
    framework.setDeviceLostCallback(&onDeviceLost, nullptr);
    framework.setDeviceDestroyedCallback(&onDeviceDestroyed, nullptr);
    framework.setMessageProcCallback(&onMessage, nullptr);
    framework.setFrameMoveCallback(&onFrameMove, nullptr);
    framework.setFrameRenderCallback(&onFrameRender, nullptr);
}

bool gameDeviceAcceptable(const DeviceCaps& caps, std::uint32_t /*adapterFormat*/,
                          std::uint32_t /*backBufferFormat*/, bool /*windowed*/,
                          void* /*userContext*/) {
    for (std::uint32_t format : caps.textureFormats) {
        if (SDL_ISPIXELFORMAT_ALPHA(format)) {
            return true;
        }
    }
    return false;
}

bool gameModifyDeviceSettings(DeviceSettings& settings, const DeviceCaps& caps,
                              void* /*userContext*/) {
    if (!caps.accelerated()) {
        settings.vertexProcessing = VertexProcessing::Software;
    }
    Game* game = Game::current();
    if (game != nullptr && game->firstDeviceChoice() &&
        settings.deviceType == DeviceType::Reference) {
        game->framework().referenceWarning();
    }
    return true;
}

} // namespace qv
