// SPDX-License-Identifier: MIT
#pragma once
// A game controller that exists only in software (SDL's virtual joystick,
// described as a game controller), for scripts: the game finds it through
// SDL's device events and reads it through the game-controller interface,
// exactly as a pad plugged into the machine.

#include <SDL.h>

#include <optional>
#include <string>
#include <string_view>

namespace qv {

class VirtualPad {
public:
    VirtualPad() = default;
    // Unplugs the pad.
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Plugs a pad in (a second call while attached does nothing). False with
    // SDL's reason in `error` when SDL cannot make one.
    bool attach(std::string& error);
    // Unplugs it; the game sees it go.
    void detach();
    bool attached() const { return joystick_ != nullptr; }

    // The button goes down or up; SDL reports it with its next update of
    // the joysticks (as it pumps events). False when no pad is attached.
    bool set(SDL_GameControllerButton button, bool down);

    // The button of a name of the command language: "a", "b", "x", "y",
    // "start", "back", and the d-pad's "up", "down", "left", "right".
    static std::optional<SDL_GameControllerButton> buttonOf(std::string_view name);

private:
    SDL_Joystick* joystick_ = nullptr;
    int deviceIndex_ = -1;
    bool joystickStarted_ = false;
};

} // namespace qv
