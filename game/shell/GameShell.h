// SPDX-License-Identifier: MIT
#pragma once
// The base of the one game object: it owns the engine services (input
// devices, sprite layer, sound manager, fonts) and keeps the device the
// framework gave it. The framework reaches it through the process-wide
// pointer, set while it exists.

#include <array>
#include <memory>

#include <SDL.h>

#include "game/engine/FontSet.h"
#include "game/engine/InputDevices.h"
#include "game/engine/SpriteLayer.h"
#include "game/shell/SoundManager.h"

namespace qv {

class Framework;
class GameControllers;
class InputSource;
class SdlInputSource;

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

    // After creation and after every reset: the fonts make their atlases
    // again and the batch draws again, with its textures loaded anew when the
    // device lost them. False when a font could not be reset.
    bool onResetDevice(bool texturesLost);
    // Every SDL event, before the frame polls: the real input source sums
    // motion and latches short presses from them, and game controllers come
    // and go.
    void onEvent(const SDL_Event& event);
    // The game put its pointer at x, y by itself (keys moved it): the real
    // mouse goes on from there.
    void pointerPlaced(float x, float y);

    // The shell that exists now, or null.
    static GameShell* current();

    Framework& framework() const { return framework_; }

    // The keyboard and mouse. They do not depend on the device, so they are
    // made with the first device and kept until the game ends.
    std::unique_ptr<InputDevices> inputDevices;
    // The draw list and batch on the current device.
    std::unique_ptr<SpriteLayer> spriteLayer;
    // The device given to onCreateDevice, not owned.
    SDL_Renderer* device = nullptr;
    // Null when sound could not be set up: the game then runs silently.
    std::unique_ptr<SoundManager> soundManager;

    // The fontCount() fonts, made by the game on each device and released
    // with it.
    std::unique_ptr<FontSet> fonts;

protected:
    // Where the input devices read from: the real keyboard and mouse unless
    // a derived game gives another source (automation mode).
    virtual std::unique_ptr<InputSource> createInputSource();
    // Where the game's pointer is now, in screen units.
    virtual std::array<float, 2> pointerPosition() const { return {512.0f, 384.0f}; }

    // Tells the fonts and the texture cache the scale the logical screen is
    // drawn at now; they make sharper glyphs and load detailed pictures
    // when it changes.
    void applyDrawScale();

private:
    Framework& framework_;
    // The real input source inside inputDevices, when that is the source.
    SdlInputSource* sdlInput_ = nullptr;
    // The game controllers inside inputDevices.
    GameControllers* controllers_ = nullptr;
};

} // namespace qv
