// SPDX-License-Identifier: MIT
#include "game/shell/ScriptedInputSource.h"

#include <utility>

#include "game/engine/InputCodes.h"

namespace qv {

namespace {

constexpr int firstLetter = 21;
constexpr int firstShiftedLetter = 47;
constexpr int letterCount = 26;

bool isLetterCode(int code) {
    return code >= firstLetter && code < firstLetter + letterCount;
}

} // namespace

ScriptedInputSource::ScriptedInputSource(PointerPosition pointer) : pointer_(std::move(pointer)) {}

std::optional<int> ScriptedInputSource::codeOf(std::string_view name) {
    if (name == "escape") {
        return 19;
    }
    if (name == "return") {
        return 20;
    }
    if (name == "backspace") {
        return 83;
    }
    if (name == "shift") {
        return leftShift;
    }
    // The keys of play without a mouse; Enter is Return, as on a keyboard's
    // keypad.
    static constexpr std::pair<std::string_view, int> moreKeys[] = {
        {"tab", InputCode::Tab},       {"space", InputCode::Space},
        {"up", InputCode::Up},         {"down", InputCode::Down},
        {"left", InputCode::Left},     {"right", InputCode::Right},
        {"pageup", InputCode::PageUp}, {"pagedown", InputCode::PageDown},
        {"enter", InputCode::Return},
    };
    for (const auto& [keyName, code] : moreKeys) {
        if (name == keyName) {
            return code;
        }
    }
    if (name.size() == 1) {
        const char c = name.front();
        if (c >= 'a' && c <= 'z') {
            return firstLetter + (c - 'a');
        }
        if (c >= '1' && c <= '9') {
            return 73 + (c - '1');
        }
        if (c == '0') {
            return 82;
        }
    }
    return std::nullopt;
}

void ScriptedInputSource::press(int code) {
    Key& key = keys_[static_cast<std::size_t>(code - 1)];
    if (!key.held && code != leftButton) {
        queuePress(code, false);
    }
    if (!key.held) {
        key.heldFor = 0.0f;
    }
    key.held = true;
    key.pressedSincePoll = true;
}

void ScriptedInputSource::queuePress(int code, bool repeat) {
    const bool shift = keys_[leftShift - 1].held;
    const int reported =
        (shift && isLetterCode(code)) ? code - firstLetter + firstShiftedLetter : code;
    presses_.push_back(KeyPress{reported, repeat, {}});
    char16_t typed = 0;
    if (isLetterCode(code)) {
        typed = static_cast<char16_t>((shift ? u'A' : u'a') + (code - firstLetter));
    } else if (code >= InputCode::Digit1 && code < InputCode::Digit0) {
        typed = static_cast<char16_t>(u'1' + (code - InputCode::Digit1));
    } else if (code == InputCode::Digit0) {
        typed = u'0';
    } else if (code == InputCode::Space) {
        typed = u' ';
    }
    if (typed != 0) {
        presses_.push_back(KeyPress{0, repeat, std::u16string(1, typed)});
    }
}

void ScriptedInputSource::typeText(std::u16string text) {
    if (!text.empty()) {
        presses_.push_back(KeyPress{0, false, std::move(text)});
    }
}

void ScriptedInputSource::takePresses(KeyPresses& presses) {
    for (KeyPress& press : presses_) {
        presses.push_back(std::move(press));
    }
    presses_.clear();
}

void ScriptedInputSource::releaseKey(int code) {
    keys_[static_cast<std::size_t>(code - 1)].held = false;
}

void ScriptedInputSource::moveTo(float x, float y) {
    moveTarget_ = std::array<float, 2>{x, y};
}

void ScriptedInputSource::buttonDown() {
    press(leftButton);
}

void ScriptedInputSource::buttonUp() {
    releaseKey(leftButton);
}

bool ScriptedInputSource::keyDown(std::string_view name) {
    const auto code = codeOf(name);
    if (code) {
        press(*code);
    }
    return code.has_value();
}

bool ScriptedInputSource::keyUp(std::string_view name) {
    const auto code = codeOf(name);
    if (code) {
        releaseKey(*code);
    }
    return code.has_value();
}

bool ScriptedInputSource::read(DeviceState& state) {
    state.fill(0.0f);
    const auto down = [&](int code) {
        Key& key = keys_[static_cast<std::size_t>(code - 1)];
        return key.held || key.pressedSincePoll;
    };
    const bool shift = down(leftShift);
    for (int code = 1; code <= inputCodeCount; ++code) {
        if (code == mouseX || code == mouseY || !down(code)) {
            continue;
        }
        const int reported =
            (shift && isLetterCode(code)) ? code - firstLetter + firstShiftedLetter : code;
        state[static_cast<std::size_t>(reported - 1)] = downValue;
    }
    for (int code = 1; code <= inputCodeCount; ++code) {
        Key& key = keys_[static_cast<std::size_t>(code - 1)];
        const bool repeats = key.held && !key.pressedSincePoll && code != leftButton &&
                             code != leftShift && code != mouseX && code != mouseY;
        if (repeats) {
            // The first repeat after repeatDelay, then one each interval:
            // counted from the poll the key went down in.
            const float before = key.heldFor;
            key.heldFor += frameSeconds_;
            const auto repeatsBy = [](float heldFor) {
                return heldFor + 1e-4f < repeatDelay
                           ? 0
                           : 1 + static_cast<int>((heldFor - repeatDelay + 1e-4f) / repeatInterval);
            };
            for (int n = repeatsBy(before); n < repeatsBy(key.heldFor); ++n) {
                queuePress(code, true);
            }
        }
        key.pressedSincePoll = false;
    }
    if (moveTarget_) {
        const std::array<float, 2> from = pointer_ ? pointer_() : std::array<float, 2>{0.0f, 0.0f};
        state[mouseX - 1] = (*moveTarget_)[0] - from[0];
        state[mouseY - 1] = (*moveTarget_)[1] - from[1];
        moveTarget_.reset();
    }
    return true;
}

} // namespace qv
