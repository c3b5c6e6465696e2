// SPDX-License-Identifier: MIT
#pragma once
// The input source of automation mode: the keyboard and mouse as the command
// stream sets them. A key or button that goes down and up again between two
// polls reads down for one poll, so no command is lost to timing.

#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "game/engine/InputSource.h"

namespace qv {

class ScriptedInputSource : public InputSource {
public:
    // `pointer` tells where the game's pointer is now, so that a move can be
    // turned into the motion that brings it to its target.
    explicit ScriptedInputSource(PointerPosition pointer = {});

    bool read(DeviceState& state) override;

    // The next poll reports the motion from the pointer's place then to x, y.
    void moveTo(float x, float y);
    void buttonDown();
    void buttonUp();
    // False for a name that is no key of the command language.
    bool keyDown(std::string_view name);
    bool keyUp(std::string_view name);

    // The input code of a key name: "escape" 19, "return" 20, "backspace" 83,
    // "shift" 13, "a".."z" 21..46, "1".."9" 73..81, "0" 82, the arrows "up",
    // "down", "left", "right" 1..4, "tab", "space", "pageup", "pagedown" and
    // "enter" (the same key as "return"). Letters read as 47..72 while Shift
    // is down. Empty for unknown names.
    static std::optional<int> codeOf(std::string_view name);

    static constexpr int mouseX = 5;
    static constexpr int mouseY = 6;
    static constexpr int leftButton = 9;
    static constexpr int leftShift = 13;
    static constexpr float downValue = 128.0f;

private:
    struct Key {
        bool held = false;
        bool pressedSincePoll = false;
    };
    void press(int code);
    void releaseKey(int code);

    PointerPosition pointer_;
    std::optional<std::array<float, 2>> moveTarget_;
    // By input code (entry code - 1); letters are kept under their unshifted
    // codes and reported under the shifted ones while Shift is down.
    std::array<Key, inputCodeCount> keys_{};
};

} // namespace qv
