// SPDX-License-Identifier: MIT
#pragma once
// The real keyboard and mouse through SDL, while the window has the input
// focus. The system cursor is hidden over the window and the game's pointer
// goes where the mouse points: mice, touch screens, drawing tablets and the
// absolute pointers of virtual machines and remote desktops alike, the
// window's place mapped into the screen through the renderer's own logical
// mapping. Letters and digits follow the user's keyboard layout, every other
// key its physical position.
//
// The shell's main loop hands every SDL event to handleEvent before the
// frame polls the InputDevices: motion is summed from the motion events, and
// a button or key pressed and released between two polls still reads as down
// for one poll. A button pressed after the pointer moved within one poll
// reads down from the next poll on, so a tap clicks where it touched and not
// where the pointer was before. Every key press (the keyboard's repeats
// included) and every typed text is also kept in order for the poll.

#include "game/engine/InputSource.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <optional>

namespace qv {

class SdlInputSource final : public InputSource {
public:
    // The window is not owned; null means input counts whatever has focus
    // (tests without a window).
    explicit SdlInputSource(SDL_Window* window);
    // Gives the system cursor back.
    ~SdlInputSource() override;
    SdlInputSource(const SdlInputSource&) = delete;
    SdlInputSource& operator=(const SdlInputSource&) = delete;

    // Where the game's pointer is. Without it (or without a window) the
    // pointer moves by the relative motion of the events instead.
    void setPointer(PointerPosition pointer) { pointer_ = std::move(pointer); }

    // Call for every SDL event the main loop takes from the queue.
    void handleEvent(const SDL_Event& event);
    bool read(DeviceState& state) override;
    void takePresses(KeyPresses& presses) override;

    // The game put its pointer at x, y (screen units) by itself: the system
    // cursor follows it there while it is over the window with focus, so
    // the mouse goes on from the new place.
    void placePointer(float x, float y);

    // Fills the key codes from a table of SDL scancodes that are down: the
    // Shift split of the letters, letters and digits by layout.
    // The input code a key press reads under (letters and digits by layout,
    // letters with Shift under their shifted codes); 0 for keys the game
    // does not know.
    static int codeOfKey(const SDL_Keysym& key);
    static void fillKeys(const std::uint8_t* down, int scancodeCount, DeviceState& state);
    // A letter held down keeps reading under the code it went down with (with
    // or without Shift) until it is let go, so letting Shift go first does
    // not press the letter a second time. Called by read after fillKeys.
    void keepLetterCase(DeviceState& state);

private:
    bool hasFocus() const;
    void captureMouse();
    void clearPending();
    // The place the mouse points at in screen units, from the window's
    // coordinates; nothing without a window and renderer.
    std::optional<std::array<float, 2>> pointedAt() const;

    SDL_Window* window_;
    PointerPosition pointer_;
    // A motion event came since the last poll.
    bool moved_ = false;
    // Where the system cursor was put by placePointer, in window
    // coordinates: finding the mouse there is no motion of the user's.
    std::optional<std::array<int, 2>> placedAt_;
    float motionX_ = 0.0f;
    float motionY_ = 0.0f;
    float wheel_ = 0.0f;
    std::array<bool, 3> buttonDown_{};
    std::array<bool, 3> buttonLatched_{};
    // Pressed after motion within this poll: up for this poll, down from the
    // next.
    std::array<bool, 3> buttonHeldBack_{};
    std::array<std::uint8_t, SDL_NUM_SCANCODES> keyLatched_{};
    KeyPresses presses_;
    // Per letter: 0 up, 1 went down without Shift, 2 with Shift.
    std::array<std::uint8_t, 26> letterCase_{};
};

} // namespace qv
