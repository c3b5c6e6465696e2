// SPDX-License-Identifier: MIT
#include "game/shell/GameShell.h"

#include "game/engine/GameControllers.h"
#include "game/engine/SdlInputSource.h"
#include "game/shell/Framework.h"
#include "game/shell/ProgramFolder.h"

#include <algorithm>

namespace qv {

namespace {

GameShell* currentShell = nullptr;

// The platform's cooperative levels do not exist here; the value is kept so
// the call reads as the game means it.
constexpr int priorityCooperativeLevel = 2;

} // namespace

GameShell::GameShell(Framework& framework) : framework_(framework) {
    currentShell = this;
}

GameShell::~GameShell() {
    if (currentShell == this) {
        sdlInput_ = nullptr;
        controllers_ = nullptr;
        inputDevices.reset();
        fonts.reset();
        spriteLayer.reset();
        soundManager.reset();
        currentShell = nullptr;
    }
}

GameShell* GameShell::current() {
    return currentShell;
}

std::unique_ptr<InputSource> GameShell::createInputSource() {
    auto source = std::make_unique<SdlInputSource>(framework_.window());
    source->setPointer([this] { return pointerPosition(); });
    sdlInput_ = source.get();
    return source;
}

bool GameShell::onCreateDevice(SDL_Renderer* newDevice) {
    device = newDevice;
    enterProgramFolder();

    if (!inputDevices) {
        std::unique_ptr<InputSource> source = createInputSource();
        if (!source) {
            // Without a pointer the game cannot be played: the framework
            // stops with its message and a non-zero exit code.
            return false;
        }
        inputDevices = std::make_unique<InputDevices>(std::move(source));
        // A scripted game plays only the controllers its script attaches.
        auto controllers = std::make_unique<GameControllers>(
            framework_.automation() ? GameControllers::Accept::VirtualOnly
                                    : GameControllers::Accept::Any);
        controllers_ = controllers.get();
        inputDevices->addSource(std::move(controllers));
    }
    // The old layer (if any) was released with its device; it goes before
    // the new one publishes itself.
    spriteLayer.reset();
    spriteLayer = std::make_unique<SpriteLayer>(device);
    // Pictures loaded from here on come at the scale of this device.
    applyDrawScale();

    // A device made again gets a fresh sound manager; the sounds made with
    // the old one were destroyed in onDestroyDevice.
    soundManager.reset();
    soundManager = std::make_unique<SoundManager>();
    if (soundManager->initialise(framework_.window(), priorityCooperativeLevel) !=
            SoundResult::Ok ||
        soundManager->setPrimaryBufferFormat(2, 22050, 16) != SoundResult::Ok) {
        soundManager.reset();
    }
    return true;
}

void GameShell::applyDrawScale() {
    if (device == nullptr) {
        return;
    }
    // Text and pictures follow the scale the screen is drawn at now.
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(device, &scaleX, &scaleY);
    const float scale = std::min(scaleX, scaleY);
    if (fonts) {
        fonts->setDrawScale(scale);
    }
    if (spriteLayer) {
        spriteLayer->textures().setDrawScale(scale);
    }
}

void GameShell::frame(float /*elapsed*/) {
    // The window may have changed size since the last frame (a resize,
    // Alt+Enter, another display).
    applyDrawScale();
    if (inputDevices) {
        inputDevices->poll();
    }
}

void GameShell::onLostDevice() {
    if (spriteLayer) {
        spriteLayer->onDeviceLost();
    }
    if (fonts) {
        fonts->onDeviceLost();
    }
}

void GameShell::onDestroyDevice() {
    if (spriteLayer) {
        spriteLayer->release();
    }
    if (fonts) {
        fonts->release();
        fonts.reset();
    }
    device = nullptr;
}

bool GameShell::onResetDevice(bool texturesLost) {
    if (fonts && !fonts->onDeviceReset()) {
        return false;
    }
    if (spriteLayer && texturesLost) {
        spriteLayer->onDeviceReset();
    }
    return true;
}

void GameShell::onEvent(const SDL_Event& event) {
    if (sdlInput_ != nullptr) {
        sdlInput_->handleEvent(event);
    }
    if (controllers_ != nullptr) {
        controllers_->handleEvent(event);
    }
}

void GameShell::pointerPlaced(float x, float y) {
    if (sdlInput_ != nullptr) {
        sdlInput_->placePointer(x, y);
    }
}

} // namespace qv
