// SPDX-License-Identifier: MIT
#pragma once
// Where the input devices get their raw values each poll: the real keyboard
// and mouse, or the command stream of automation mode.

#include "game/engine/InputCodes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace qv {

// Input codes 1 to InputCode::Last; entry k - 1 holds the value of code k.
// Keys and mouse buttons read 128 while down and 0 while up; mouse axes the
// motion since the last poll.
inline constexpr int inputCodeCount = InputCode::Last;
using DeviceState = std::array<float, inputCodeCount>;

// Where the game's pointer is now, in screen units (x, y): a source that
// knows the absolute place pointed at reports the motion that brings the
// pointer there.
using PointerPosition = std::function<std::array<float, 2>()>;

// One press since the last poll, kept in the order the presses came, so
// that several keys typed within one frame all count and in their order: a
// key going down (again, while held, as the keyboard repeats it), or text
// typed with the keyboard or an input method.
struct KeyPress {
    // The input code of the key (letters under the code they read with,
    // Shift or not); 0 for text.
    int code = 0;
    bool repeat = false;
    std::u16string text;
};
using KeyPresses = std::vector<KeyPress>;

class InputSource {
public:
    virtual ~InputSource() = default;
    // Fills the state for one poll. False when the devices could not be read
    // (the caller then keeps the previous values).
    virtual bool read(DeviceState& state) = 0;
    // Appends the presses since the last poll, oldest first, and forgets
    // them. Called after read; a source that knows no order adds nothing.
    virtual void takePresses(KeyPresses& presses) { (void)presses; }
};

} // namespace qv
