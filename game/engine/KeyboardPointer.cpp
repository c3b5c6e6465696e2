// SPDX-License-Identifier: MIT
#include "game/engine/KeyboardPointer.h"

#include "game/engine/ButtonSearch.h"
#include "game/engine/InputDevices.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"

namespace qv {

namespace {

// The shell mapper's codes, in the order of Key.
constexpr std::array<int, KeyboardPointer::actionsUsed> keyCodes{
    InputCode::Up,       InputCode::Down,     InputCode::Left,      InputCode::Right,
    InputCode::Tab,      InputCode::Return,   InputCode::Space,     InputCode::PageUp,
    InputCode::PageDown, InputCode::PadA,     InputCode::LeftShift, InputCode::RightShift,
    InputCode::LeftAlt,  InputCode::RightAlt,
};

// The shortcut mapper's actions are the input codes themselves.
constexpr int firstShortcutCode = InputCode::LetterA;
constexpr int lastShortcutCode = InputCode::Digit0;

} // namespace

KeyboardPointer::KeyboardPointer(InputMapper& shellMapper, int firstAction, int shortcutSlot)
    : shell_(shellMapper), firstAction_(firstAction) {
    for (std::size_t k = 0; k < keyCodes.size(); ++k) {
        shell_.bind(keyCodes[k], firstAction_ + static_cast<int>(k), true);
    }
    for (int code = firstShortcutCode; code <= lastShortcutCode; ++code) {
        shortcuts_.bind(code, code, true);
    }
    shortcuts_.claimSlot(shortcutSlot, true);
}

ActionState KeyboardPointer::state(Key key) const {
    return shell_.state(firstAction_ + static_cast<int>(key));
}

bool KeyboardPointer::down(Key key) const {
    const ActionState s = state(key);
    return s == ActionState::Pressed || s == ActionState::Held;
}

bool KeyboardPointer::arrowFires(Key arrow, float elapsed) {
    float& held = heldFor_[static_cast<std::size_t>(arrow)];
    switch (state(arrow)) {
    case ActionState::Pressed:
        held = 0.0f;
        return true;
    case ActionState::Held:
        held += elapsed;
        if (held >= repeatDelay) {
            held = repeatDelay - repeatInterval;
            return true;
        }
        return false;
    default:
        held = 0.0f;
        return false;
    }
}

int KeyboardPointer::pressedShortcut() const {
    std::vector<int> pressedCodes;
    for (int code = firstShortcutCode; code <= lastShortcutCode; ++code) {
        if (shortcuts_.state(code) == ActionState::Pressed) {
            pressedCodes.push_back(code);
        }
    }
    if (pressedCodes.size() > 1) {
        // Of two keys pressed within one frame, the one pressed first.
        if (const InputDevices* devices = InputDevices::instance()) {
            if (const int first = devices->firstPressed(pressedCodes); first != 0) {
                return first;
            }
        }
    }
    if (!pressedCodes.empty()) {
        return pressedCodes.front();
    }
    // The keys a presenter's clicker sends; on a screen of one button they
    // press it.
    for (Key key : {PageDown, Right, PageUp, Left}) {
        if (pressed(key)) {
            return keyCodes[static_cast<std::size_t>(key)];
        }
    }
    return 0;
}

KeyboardPointer::Step KeyboardPointer::step(const SpriteLayer& layer, const Vec3& pointer,
                                            float elapsed) {
    Step result;
    const std::vector<const Sprite*> buttons = shownButtons(layer);

    if (const Sprite* target = buttonForKey(buttons, pressedShortcut())) {
        // Where the round holds the pointer a click would find nothing, and
        // so the key does nothing either.
        if (!layer.pointerBlocked) {
            result.moveTo = target->position;
            result.click = true;
        }
        heldFor_.fill(0.0f);
        return result;
    }

    Vec3 at = pointer;
    const auto moveTo = [&](const Sprite* button) {
        if (button != nullptr) {
            at = button->position;
            result.moveTo = at;
        }
    };
    constexpr std::array<std::pair<Key, Direction>, 4> arrows{{
        {Up, Direction::Up},
        {Down, Direction::Down},
        {Left, Direction::Left},
        {Right, Direction::Right},
    }};
    for (const auto& [key, direction] : arrows) {
        // One step a frame, whatever else is held (a stick pushed aslant).
        if (arrowFires(key, elapsed) && !result.moveTo) {
            const Sprite* next = buttonInDirection(buttons, at, direction);
            // From a place that is on no button, any arrow finds one.
            if (next == nullptr && buttonAt(buttons, at) == nullptr) {
                next = nearestButton(buttons, at);
            }
            moveTo(next);
        }
    }
    if (pressed(Tab)) {
        const bool backwards = down(LeftShift) || down(RightShift);
        moveTo(buttonInReadingOrder(buttons, at, !backwards));
    }
    // Alt with Return switches the window mode; it clicks nothing.
    const bool alt = down(LeftAlt) || down(RightAlt);
    if ((!layer.textEntry && ((pressed(Return) && !alt) || pressed(Space))) || pressed(PadA)) {
        result.click = true;
    }
    return result;
}

} // namespace qv
