// SPDX-License-Identifier: MIT
#include "game/shell/VirtualPad.h"

#include <utility>

namespace qv {

VirtualPad::~VirtualPad() {
    detach();
    if (joystickStarted_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

bool VirtualPad::attach(std::string& error) {
    if (attached()) {
        return true;
    }
    if (!joystickStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
            error = SDL_GetError();
            return false;
        }
        joystickStarted_ = true;
    }
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    // With every button and axis declared, SDL maps button n to the game
    // controller's button n, and axis n likewise.
    desc.button_mask = (1U << SDL_CONTROLLER_BUTTON_MAX) - 1U;
    desc.axis_mask = (1U << SDL_CONTROLLER_AXIS_MAX) - 1U;
    desc.name = "Quizvale scripted pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) {
        error = SDL_GetError();
        return false;
    }
    joystick_ = SDL_JoystickOpen(index);
    if (joystick_ == nullptr) {
        error = SDL_GetError();
        SDL_JoystickDetachVirtual(index);
        return false;
    }
    deviceIndex_ = index;
    return true;
}

void VirtualPad::detach() {
    if (joystick_ == nullptr) {
        return;
    }
    // The device index may have moved as other devices came and went; the
    // instance finds it again.
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    int index = deviceIndex_;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            index = i;
            break;
        }
    }
    SDL_JoystickClose(std::exchange(joystick_, nullptr));
    SDL_JoystickDetachVirtual(index);
    deviceIndex_ = -1;
}

bool VirtualPad::set(SDL_GameControllerButton button, bool down) {
    if (joystick_ == nullptr) {
        return false;
    }
    return SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0) == 0;
}

std::optional<SDL_GameControllerButton> VirtualPad::buttonOf(std::string_view name) {
    static constexpr std::pair<std::string_view, SDL_GameControllerButton> names[] = {
        {"a", SDL_CONTROLLER_BUTTON_A},
        {"b", SDL_CONTROLLER_BUTTON_B},
        {"x", SDL_CONTROLLER_BUTTON_X},
        {"y", SDL_CONTROLLER_BUTTON_Y},
        {"start", SDL_CONTROLLER_BUTTON_START},
        {"back", SDL_CONTROLLER_BUTTON_BACK},
        {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
        {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
        {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
        {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    };
    for (const auto& [buttonName, button] : names) {
        if (name == buttonName) {
            return button;
        }
    }
    return std::nullopt;
}

} // namespace qv
