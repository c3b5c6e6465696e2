// SPDX-License-Identifier: MIT
#pragma once
// The Gamble's wheel: a pointer that starts at a random angle, turns a fixed
// step per frame and slows by a fixed amount per second, so it stops after
// about 20 seconds whatever the frame rate. Where it stops decides.

#include "game/play/Player.h"

namespace qv {

class GambleWheel {
public:
    // What one frame of the wheel asks of the screen.
    struct Step {
        // The pointer passed half a turn: the first arrow sound.
        bool arrowA = false;
        // The pointer passed a full turn: the second arrow sound.
        bool arrowB = false;
        // The wheel has stopped; player.gambleWon holds the outcome.
        bool stopped = false;
    };

    // The angle the pointer starts from is drawn by the caller; this sets
    // the starting speed and clears the half-turn flag.
    static void start(Player& player, float angle);
    // One frame: turns wheelAngle by wheelSpeed (per frame), sounds the
    // arrows, slows the wheel by 0.005 rad/frame per second of `elapsed`, and
    // once the speed is below 0 decides gambleWon.
    static Step spin(Player& player, float elapsed);
    // A stop at an angle loses only when π/2 < angle ≤ 3π/2.
    static bool wins(float angle);
    // The angle brought into [0, 2π], for the pointer sprite.
    static float shownAngle(float angle);

    static constexpr float startSpeed = 0.1f;
};

} // namespace qv
