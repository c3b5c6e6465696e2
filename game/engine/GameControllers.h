// SPDX-License-Identifier: MIT
#pragma once
// Game controllers through SDL's game-controller interface and its mapping
// database, as a further input source: the d-pad and the left stick read as
// the arrow keys, Start as Return, and A, B, X, Y and Back as their own
// codes. Controllers plugged in or out while the game runs are taken up and
// let go through SDL's device events; a button pressed and released between
// two polls still reads as down for one poll.

#include "game/engine/InputSource.h"

#include <SDL.h>

#include <array>
#include <memory>
#include <vector>

namespace qv {

class GameControllers final : public InputSource {
public:
    enum class Accept {
        // Every controller SDL knows.
        Any,
        // Only SDL's virtual ones, for a scripted game that must not see
        // whatever pad is plugged into the machine. The window's focus does
        // not count then.
        VirtualOnly,
    };

    // Starts SDL's game-controller subsystem; without it (no joystick
    // support) the source reads nothing. Controllers present at the start
    // arrive as device events like any plugged in later.
    explicit GameControllers(Accept accept = Accept::Any);
    // Closes the controllers and stops the subsystem again.
    ~GameControllers() override;
    GameControllers(const GameControllers&) = delete;
    GameControllers& operator=(const GameControllers&) = delete;

    // Call for every SDL event the main loop takes from the queue.
    void handleEvent(const SDL_Event& event);
    bool read(DeviceState& state) override;

    bool started() const { return started_; }
    // Controllers open now.
    int count() const { return static_cast<int>(pads_.size()); }

    // How far the stick must be pushed to count as an arrow, and how far back
    // it must come to let go (out of 32767).
    static constexpr int stickPress = 16000;
    static constexpr int stickRelease = 11000;

private:
    struct CloseController {
        void operator()(SDL_GameController* controller) const;
    };
    struct Pad {
        std::unique_ptr<SDL_GameController, CloseController> controller;
        SDL_JoystickID id = -1;
        std::array<bool, SDL_CONTROLLER_BUTTON_MAX> down{};
        std::array<bool, SDL_CONTROLLER_BUTTON_MAX> latched{};
        // The stick pushed up, down, left, right, with its latches.
        std::array<bool, 4> stick{};
        std::array<bool, 4> stickLatched{};
    };
    void open(int deviceIndex);
    Pad* find(SDL_JoystickID id);
    void clearPending();

    Accept accept_;
    bool started_ = false;
    std::vector<Pad> pads_;
};

} // namespace qv
