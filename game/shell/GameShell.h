#pragma once
// The base of the one game object: it owns the engine services (input
// devices, sprite layer, sound manager, fonts) and keeps the device the
// framework gave it. The framework reaches it through the process-wide
// pointer, set while it exists.

#include <memory>

#include <SDL.h>

#include "game/shell/SoundManager.h"

namespace qv {

class Framework;

class GameShell {
public:
    // Publishes itself as the current game shell.
    explicit GameShell(Framework& framework);
    // Destroys the engine services and clears the process-wide pointer.
    virtual ~GameShell();
    GameShell(const GameShell&) = delete;
    GameShell& operator=(const GameShell&) = delete;

    // Keeps the device, makes the program folder current and creates the
    // engine services. False when the game cannot run on this device (the
    // framework then stops with its message).
    virtual bool onCreateDevice(SDL_Renderer* newDevice);
    // Polls the input devices.
    virtual void frame(float elapsed);
    // The sprite batch and the fonts give up what they hold on the device.
    virtual void onLostDevice();
    // Releases everything made on the device; the engine services that do
    // not depend on it stay until the destructor.
    virtual void onDestroyDevice();
    virtual int fontCount() const = 0;

    // The shell that exists now, or null.
    static GameShell* current();

    Framework& framework() const { return framework_; }

    // Owned by the input issue: std::unique_ptr<InputDevices> inputDevices;
    // created in onCreateDevice with the scripted source in automation mode
    // and the SDL keyboard and mouse otherwise.
    // Owned by the sprite issue: std::unique_ptr<SpriteLayer> spriteLayer.

    // The device given to onCreateDevice, not owned.
    SDL_Renderer* device = nullptr;
    // Null when sound could not be set up: the game then runs silently.
    std::unique_ptr<SoundManager> soundManager;

    // Owned by the text issue: the FontSet of fontCount() fonts.

private:
    Framework& framework_;
};

} // namespace qv
