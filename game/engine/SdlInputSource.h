#pragma once
// The real keyboard and mouse through SDL, while the window has the input
// focus: the system cursor is hidden and the mouse runs in relative mode
// where SDL allows it (otherwise the relative motion of ordinary motion
// events counts). Letters and digits follow the user's keyboard layout,
// every other key its physical position.
//
// The shell's main loop hands every SDL event to handleEvent before the
// frame polls the InputDevices: motion is summed from the motion events, and
// a button or key pressed and released between two polls still reads as down
// for one poll.

#include "game/engine/InputSource.h"

#include <SDL.h>

#include <array>
#include <cstdint>

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

    // Call for every SDL event the main loop takes from the queue.
    void handleEvent(const SDL_Event& event);
    bool read(DeviceState& state) override;

    // Whether SDL runs the mouse in relative mode (false under some Wayland
    // set-ups and without a display).
    bool relativeMode() const { return relativeMode_; }

    // Fills the key codes from a table of SDL scancodes that are down: the
    // Shift split of the letters, letters and digits by layout.
    static void fillKeys(const std::uint8_t* down, int scancodeCount, DeviceState& state);

private:
    bool hasFocus() const;
    void captureMouse();
    void clearPending();

    SDL_Window* window_;
    bool relativeMode_ = false;
    float motionX_ = 0.0f;
    float motionY_ = 0.0f;
    float wheel_ = 0.0f;
    std::array<bool, 3> buttonDown_{};
    std::array<bool, 3> buttonLatched_{};
    std::array<std::uint8_t, SDL_NUM_SCANCODES> keyLatched_{};
};

} // namespace qv
