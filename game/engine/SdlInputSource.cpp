// SPDX-License-Identifier: MIT
#include "game/engine/SdlInputSource.h"

#include "game/engine/InputCodes.h"

#include "common/Utf16.h"

namespace qv {

namespace {

constexpr float down = static_cast<float>(InputCode::DownValue);
// The mouse wheel reports one notch as 120 units.
constexpr float wheelNotch = 120.0f;

void set(DeviceState& state, int code, bool isDown) {
    state[static_cast<std::size_t>(code - 1)] = isDown ? down : 0.0f;
}

int buttonIndex(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return -1;
    }
}

// The key producing this keycode in the user's layout, or the key at the
// given physical position where the layout has none.
SDL_Scancode byLayout(SDL_Keycode key, SDL_Scancode fallback) {
    const SDL_Scancode scancode = SDL_GetScancodeFromKey(key);
    return scancode == SDL_SCANCODE_UNKNOWN ? fallback : scancode;
}

} // namespace

SdlInputSource::SdlInputSource(SDL_Window* window) : window_(window) {
    captureMouse();
    // Names are typed as text, so that every layout, dead key and input
    // method gives the characters the player means.
    SDL_StartTextInput();
}

SdlInputSource::~SdlInputSource() {
    SDL_ShowCursor(SDL_ENABLE);
}

void SdlInputSource::captureMouse() {
    // Relative mode would hide where an absolute device points (under X11
    // such devices then move nothing at all); the game draws its own arrow.
    SDL_ShowCursor(SDL_DISABLE);
}

std::optional<std::array<float, 2>> SdlInputSource::pointedAt() const {
    SDL_Renderer* renderer = window_ != nullptr ? SDL_GetRenderer(window_) : nullptr;
    if (renderer == nullptr) {
        return std::nullopt;
    }
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    if (placedAt_ && (*placedAt_)[0] == x && (*placedAt_)[1] == y) {
        return std::nullopt;
    }
    float logicalX = 0.0f;
    float logicalY = 0.0f;
    SDL_RenderWindowToLogical(renderer, x, y, &logicalX, &logicalY);
    return std::array<float, 2>{logicalX, logicalY};
}

void SdlInputSource::placePointer(float x, float y) {
    if (window_ == nullptr || !hasFocus() || SDL_GetMouseFocus() != window_) {
        return;
    }
    SDL_Renderer* renderer = SDL_GetRenderer(window_);
    if (renderer == nullptr) {
        return;
    }
    int windowX = 0;
    int windowY = 0;
    SDL_RenderLogicalToWindow(renderer, x, y, &windowX, &windowY);
    SDL_WarpMouseInWindow(window_, windowX, windowY);
    placedAt_ = std::array<int, 2>{windowX, windowY};
    moved_ = false;
    motionX_ = motionY_ = 0.0f;
}

bool SdlInputSource::hasFocus() const {
    if (window_ == nullptr) {
        return true;
    }
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void SdlInputSource::clearPending() {
    letterCase_.fill(0);
    moved_ = false;
    motionX_ = 0.0f;
    motionY_ = 0.0f;
    wheel_ = 0.0f;
    buttonDown_.fill(false);
    buttonLatched_.fill(false);
    buttonHeldBack_.fill(false);
    keyLatched_.fill(0);
    presses_.clear();
}

int SdlInputSource::codeOfKey(const SDL_Keysym& key) {
    const bool shift = (key.mod & KMOD_SHIFT) != 0;
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
        const int letter = static_cast<int>(key.sym - SDLK_a);
        return (shift ? InputCode::ShiftedLetterA : InputCode::LetterA) + letter;
    }
    if (key.sym >= SDLK_1 && key.sym <= SDLK_9) {
        return InputCode::Digit1 + static_cast<int>(key.sym - SDLK_1);
    }
    if (key.sym == SDLK_0) {
        return InputCode::Digit0;
    }
    switch (key.scancode) {
    case SDL_SCANCODE_UP:
        return InputCode::Up;
    case SDL_SCANCODE_DOWN:
        return InputCode::Down;
    case SDL_SCANCODE_LEFT:
        return InputCode::Left;
    case SDL_SCANCODE_RIGHT:
        return InputCode::Right;
    case SDL_SCANCODE_ESCAPE:
        return InputCode::Escape;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return InputCode::Return;
    case SDL_SCANCODE_BACKSPACE:
        return InputCode::Backspace;
    case SDL_SCANCODE_TAB:
        return InputCode::Tab;
    case SDL_SCANCODE_SPACE:
        return InputCode::Space;
    case SDL_SCANCODE_PAGEUP:
        return InputCode::PageUp;
    case SDL_SCANCODE_PAGEDOWN:
        return InputCode::PageDown;
    case SDL_SCANCODE_LSHIFT:
        return InputCode::LeftShift;
    case SDL_SCANCODE_RSHIFT:
        return InputCode::RightShift;
    default:
        return 0;
    }
}

void SdlInputSource::takePresses(KeyPresses& presses) {
    for (KeyPress& press : presses_) {
        presses.push_back(std::move(press));
    }
    presses_.clear();
}

void SdlInputSource::handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        moved_ = true;
        motionX_ += static_cast<float>(event.motion.xrel);
        motionY_ += static_cast<float>(event.motion.yrel);
        break;
    case SDL_MOUSEWHEEL: {
        float notches = event.wheel.preciseY;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
            notches = -notches;
        }
        wheel_ += notches * wheelNotch;
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (int i = buttonIndex(event.button.button); i >= 0) {
            buttonDown_[i] = true;
            if (moved_) {
                buttonHeldBack_[i] = true;
            } else {
                buttonLatched_[i] = true;
            }
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (int i = buttonIndex(event.button.button); i >= 0) {
            buttonDown_[i] = false;
        }
        break;
    case SDL_KEYDOWN:
        if (event.key.keysym.scancode >= 0 && event.key.keysym.scancode < SDL_NUM_SCANCODES) {
            keyLatched_[event.key.keysym.scancode] = 1;
        }
        if (const int code = codeOfKey(event.key.keysym); code != 0 && hasFocus()) {
            presses_.push_back(KeyPress{code, event.key.repeat != 0, {}});
        }
        break;
    case SDL_TEXTINPUT:
        if (hasFocus()) {
            // The event's text is a NUL-ended UTF-8 string of at most 32
            // bytes; bytes that are no UTF-8 become replacement characters.
            const char* bytes = event.text.text;
            const std::size_t size = sizeof(event.text.text);
            std::size_t length = 0;
            while (length < size && bytes[length] != '\0') {
                ++length;
            }
            const std::string_view text(bytes, length);
            presses_.push_back(KeyPress{0, false, utf16FromUtf8Lossy(text)});
        }
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            captureMouse();
        } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            clearPending();
        }
        break;
    default:
        break;
    }
}

void SdlInputSource::fillKeys(const std::uint8_t* isDown, int scancodeCount, DeviceState& state) {
    auto at = [&](SDL_Scancode scancode) {
        return scancode >= 0 && scancode < scancodeCount && isDown[scancode] != 0;
    };
    set(state, InputCode::Up, at(SDL_SCANCODE_UP));
    set(state, InputCode::Down, at(SDL_SCANCODE_DOWN));
    set(state, InputCode::Left, at(SDL_SCANCODE_LEFT));
    set(state, InputCode::Right, at(SDL_SCANCODE_RIGHT));
    set(state, InputCode::LeftShift, at(SDL_SCANCODE_LSHIFT));
    set(state, InputCode::LeftCtrl, at(SDL_SCANCODE_LCTRL));
    set(state, InputCode::LeftAlt, at(SDL_SCANCODE_LALT));
    set(state, InputCode::RightShift, at(SDL_SCANCODE_RSHIFT));
    set(state, InputCode::RightCtrl, at(SDL_SCANCODE_RCTRL));
    set(state, InputCode::RightAlt, at(SDL_SCANCODE_RALT));
    set(state, InputCode::Escape, at(SDL_SCANCODE_ESCAPE));
    // The keypad's Enter is Return wherever the game takes Return.
    set(state, InputCode::Return, at(SDL_SCANCODE_RETURN) || at(SDL_SCANCODE_KP_ENTER));
    set(state, InputCode::Backspace, at(SDL_SCANCODE_BACKSPACE));
    set(state, InputCode::Tab, at(SDL_SCANCODE_TAB));
    set(state, InputCode::Space, at(SDL_SCANCODE_SPACE));
    set(state, InputCode::PageUp, at(SDL_SCANCODE_PAGEUP));
    set(state, InputCode::PageDown, at(SDL_SCANCODE_PAGEDOWN));

    const bool shift = at(SDL_SCANCODE_LSHIFT) || at(SDL_SCANCODE_RSHIFT);
    for (int i = 0; i < 26; ++i) {
        const auto physical = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
        const bool letterDown = at(byLayout(SDLK_a + i, physical));
        set(state, InputCode::LetterA + i, letterDown && !shift);
        set(state, InputCode::ShiftedLetterA + i, letterDown && shift);
    }
    for (int i = 0; i < 9; ++i) {
        const auto physical = static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i);
        set(state, InputCode::Digit1 + i, at(byLayout(SDLK_1 + i, physical)));
    }
    set(state, InputCode::Digit0, at(byLayout(SDLK_0, SDL_SCANCODE_0)));
}

void SdlInputSource::keepLetterCase(DeviceState& state) {
    for (int i = 0; i < 26; ++i) {
        float& plain = state[static_cast<std::size_t>(InputCode::LetterA + i - 1)];
        float& shifted = state[static_cast<std::size_t>(InputCode::ShiftedLetterA + i - 1)];
        std::uint8_t& held = letterCase_[static_cast<std::size_t>(i)];
        const bool isDown = plain != 0.0f || shifted != 0.0f;
        if (!isDown) {
            held = 0;
            continue;
        }
        if (held == 0) {
            held = shifted != 0.0f ? 2 : 1;
        }
        plain = held == 1 ? down : 0.0f;
        shifted = held == 2 ? down : 0.0f;
    }
}

bool SdlInputSource::read(DeviceState& state) {
    state.fill(0.0f);
    if (!hasFocus()) {
        clearPending();
        return true;
    }
    int count = 0;
    const Uint8* keyboard = SDL_GetKeyboardState(&count);
    std::array<std::uint8_t, SDL_NUM_SCANCODES> keys = keyLatched_;
    for (int i = 0; i < count && i < SDL_NUM_SCANCODES; ++i) {
        keys[static_cast<std::size_t>(i)] |= keyboard[i];
    }
    fillKeys(keys.data(), SDL_NUM_SCANCODES, state);
    keepLetterCase(state);
    keyLatched_.fill(0);

    if (moved_ && pointer_ && window_ != nullptr && SDL_GetRenderer(window_) != nullptr) {
        if (const auto target = pointedAt()) {
            const std::array<float, 2> from = pointer_();
            motionX_ = (*target)[0] - from[0];
            motionY_ = (*target)[1] - from[1];
            placedAt_.reset();
        } else {
            motionX_ = motionY_ = 0.0f;
        }
    }
    state[InputCode::MouseX - 1] = motionX_;
    state[InputCode::MouseY - 1] = motionY_;
    state[InputCode::MouseWheel - 1] = wheel_;
    motionX_ = motionY_ = wheel_ = 0.0f;
    moved_ = false;
    for (int i = 0; i < 3; ++i) {
        if (buttonHeldBack_[i]) {
            // Down from the next poll, after the pointer has got there.
            buttonHeldBack_[i] = false;
            buttonLatched_[i] = true;
            continue;
        }
        set(state, InputCode::MouseLeft + i, buttonDown_[i] || buttonLatched_[i]);
        buttonLatched_[i] = false;
    }
    return true;
}

} // namespace qv
