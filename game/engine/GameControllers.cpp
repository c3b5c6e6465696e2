// SPDX-License-Identifier: MIT
#include "game/engine/GameControllers.h"

#include "game/engine/InputCodes.h"

#include <algorithm>

namespace qv {

namespace {

constexpr float down = static_cast<float>(InputCode::DownValue);

// The input code a button reads as; 0 for buttons the game takes no notice
// of.
int codeOf(int button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return InputCode::PadA;
    case SDL_CONTROLLER_BUTTON_B:
        return InputCode::PadB;
    case SDL_CONTROLLER_BUTTON_X:
        return InputCode::PadX;
    case SDL_CONTROLLER_BUTTON_Y:
        return InputCode::PadY;
    case SDL_CONTROLLER_BUTTON_BACK:
        return InputCode::PadBack;
    case SDL_CONTROLLER_BUTTON_START:
        return InputCode::Return;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return InputCode::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return InputCode::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return InputCode::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return InputCode::Right;
    default:
        return 0;
    }
}

// The stick's directions in the order Pad::stick keeps them.
constexpr std::array<int, 4> stickCodes{InputCode::Up, InputCode::Down, InputCode::Left,
                                        InputCode::Right};

} // namespace

void GameControllers::CloseController::operator()(SDL_GameController* controller) const {
    SDL_GameControllerClose(controller);
}

GameControllers::GameControllers(Accept accept) : accept_(accept) {
    if (accept_ == Accept::VirtualOnly) {
        // A scripted game has no focus to lose.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    }
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

GameControllers::~GameControllers() {
    pads_.clear();
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

GameControllers::Pad* GameControllers::find(SDL_JoystickID id) {
    const auto it =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    return it != pads_.end() ? &*it : nullptr;
}

void GameControllers::open(int deviceIndex) {
    if (!started_ || !SDL_IsGameController(deviceIndex)) {
        return;
    }
    if (accept_ == Accept::VirtualOnly && !SDL_JoystickIsVirtual(deviceIndex)) {
        return;
    }
    std::unique_ptr<SDL_GameController, CloseController> controller(
        SDL_GameControllerOpen(deviceIndex));
    if (!controller) {
        return;
    }
    const SDL_JoystickID id =
        SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller.get()));
    // SDL hands out one controller per device and counts the opens; a device
    // announced twice keeps the one it has.
    if (id < 0 || find(id) != nullptr) {
        return;
    }
    Pad pad;
    pad.controller = std::move(controller);
    pad.id = id;
    pads_.push_back(std::move(pad));
}

void GameControllers::clearPending() {
    for (Pad& pad : pads_) {
        pad.down.fill(false);
        pad.latched.fill(false);
        pad.stick.fill(false);
        pad.stickLatched.fill(false);
    }
}

void GameControllers::handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        // What the pad held goes with it.
        std::erase_if(pads_, [&](const Pad& pad) { return pad.id == event.cdevice.which; });
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (Pad* pad = find(event.cbutton.which);
            pad != nullptr && event.cbutton.button < SDL_CONTROLLER_BUTTON_MAX) {
            const bool isDown = event.type == SDL_CONTROLLERBUTTONDOWN;
            pad->down[event.cbutton.button] = isDown;
            pad->latched[event.cbutton.button] = pad->latched[event.cbutton.button] || isDown;
        }
        break;
    case SDL_CONTROLLERAXISMOTION: {
        Pad* pad = find(event.caxis.which);
        const int axis = event.caxis.axis;
        if (pad == nullptr ||
            (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY)) {
            break;
        }
        // Up and left are the negative ends; the stick holds a direction
        // until it comes back well inside the press distance.
        const int value = event.caxis.value;
        const std::size_t negative = axis == SDL_CONTROLLER_AXIS_LEFTY ? 0 : 2;
        for (std::size_t k : {negative, negative + 1}) {
            const int reach = k == negative ? -value : value;
            bool& pushed = pad->stick[k];
            if (!pushed && reach >= stickPress) {
                pushed = true;
                pad->stickLatched[k] = true;
            } else if (pushed && reach < stickRelease) {
                pushed = false;
            }
        }
        break;
    }
    case SDL_WINDOWEVENT:
        if (accept_ == Accept::Any && event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            clearPending();
        }
        break;
    default:
        break;
    }
}

bool GameControllers::read(DeviceState& state) {
    state.fill(0.0f);
    for (Pad& pad : pads_) {
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
            const int code = codeOf(button);
            if (code != 0 && (pad.down[button] || pad.latched[button])) {
                state[static_cast<std::size_t>(code - 1)] = down;
            }
        }
        for (std::size_t k = 0; k < stickCodes.size(); ++k) {
            if (pad.stick[k] || pad.stickLatched[k]) {
                state[static_cast<std::size_t>(stickCodes[k] - 1)] = down;
            }
        }
        pad.latched.fill(false);
        pad.stickLatched.fill(false);
    }
    return true;
}

} // namespace qv
