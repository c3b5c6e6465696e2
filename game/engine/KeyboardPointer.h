// SPDX-License-Identifier: MIT
#pragma once
// Playing without a mouse: keys and game-controller buttons move the
// pointer onto buttons and click through the pointer, so a button hilights
// and presses exactly as under the mouse, and a key does nothing where a
// click would do nothing.
//
// The arrow keys (a controller's d-pad and stick) go to the nearest shown
// button that way, repeating while held; Tab and Shift+Tab go through the
// buttons in reading order; Return, Space and a controller's A click where
// the pointer is. A key that a shown button lists among its shortcut keys
// puts the pointer on that button and clicks it.

#include "game/engine/InputMapper.h"
#include "game/engine/Vec3.h"

#include <array>
#include <optional>

namespace qv {

class SpriteLayer;

class KeyboardPointer {
public:
    // How long an arrow is held before it repeats, and how often then.
    static constexpr float repeatDelay = 0.45f;
    static constexpr float repeatInterval = 0.15f;
    // Actions of the shell's mapper from firstAction on.
    static constexpr int actionsUsed = 14;

    // Binds the navigation keys, shared, into the shell's mapper (which must
    // sit in the first slot, before any screen that binds Return for itself)
    // on actions firstAction to firstAction + actionsUsed - 1. The letters
    // and digits that buttons may take go to a mapper of its own, put in
    // `shortcutSlot` with lock: a slot after the screens', so a screen that
    // types names keeps its letters to itself. The mapper must outlive this.
    KeyboardPointer(InputMapper& shellMapper, int firstAction, int shortcutSlot);
    KeyboardPointer(const KeyboardPointer&) = delete;
    KeyboardPointer& operator=(const KeyboardPointer&) = delete;

    struct Step {
        // Where the pointer goes before the draw list sees it this frame.
        std::optional<Vec3> moveTo;
        // The frame has a click at the pointer (after moveTo).
        bool click = false;
    };

    // One frame, after the input devices were polled and before the draw
    // list is drawn: what the keys pressed this frame do with the pointer at
    // `pointer`. Call it only while the pointer can move (its arrow shown,
    // no question of the shell's own up).
    Step step(const SpriteLayer& layer, const Vec3& pointer, float elapsed);

private:
    enum Key {
        Up,
        Down,
        Left,
        Right,
        Tab,
        Return,
        Space,
        PageUp,
        PageDown,
        PadA,
        LeftShift,
        RightShift,
        LeftAlt,
        RightAlt,
    };
    ActionState state(Key key) const;
    bool pressed(Key key) const { return state(key) == ActionState::Pressed; }
    bool down(Key key) const;
    // Whether the arrow fires this frame: when pressed, then repeating.
    bool arrowFires(Key arrow, float elapsed);
    // The first key pressed this frame that a shown button takes.
    int pressedShortcut() const;

    InputMapper& shell_;
    int firstAction_;
    InputMapper shortcuts_;
    std::array<float, 4> heldFor_{};
};

} // namespace qv
