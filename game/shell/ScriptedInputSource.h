// SPDX-License-Identifier: MIT
#pragma once
// The input source of automation mode: the keyboard and mouse as the command
// stream sets them. A key or button that goes down and up again between two
// polls reads down for one poll, so no command is lost to timing. Each key
// going down is also a press in the poll's ordered list, with the text it
// types (as a keyboard would: letters, digits and the space bar); a key held
// repeats as a keyboard's does, after repeatDelay seconds of game time every
// repeatInterval.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/engine/InputSource.h"

namespace qv {

class ScriptedInputSource : public InputSource {
public:
    // `pointer` tells where the game's pointer is now, so that a move can be
    // turned into the motion that brings it to its target.
    explicit ScriptedInputSource(PointerPosition pointer = {});

    bool read(DeviceState& state) override;
    void takePresses(KeyPresses& presses) override;

    // The game time one poll stands for (the constant frame time), which
    // paces the repeat of a held key.
    void setFrameSeconds(float seconds) {
        if (seconds > 0.0f) {
            frameSeconds_ = seconds;
        }
    }
    // Text typed as an input method would send it, with no key behind it.
    void typeText(std::u16string text);

    static constexpr float repeatDelay = 0.5f;
    static constexpr float repeatInterval = 0.05f;

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
        // Game time held, for the repeat.
        float heldFor = 0.0f;
    };
    // The press of a key going down (or repeating) and the text it types.
    void queuePress(int code, bool repeat);
    void press(int code);
    void releaseKey(int code);

    PointerPosition pointer_;
    std::optional<std::array<float, 2>> moveTarget_;
    // By input code (entry code - 1); letters are kept under their unshifted
    // codes and reported under the shifted ones while Shift is down.
    std::array<Key, inputCodeCount> keys_{};
    KeyPresses presses_;
    float frameSeconds_ = 0.0333f;
};

} // namespace qv
