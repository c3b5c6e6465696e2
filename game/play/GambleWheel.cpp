// SPDX-License-Identifier: MIT
#include "game/play/GambleWheel.h"

#include <cmath>
#include <numbers>

namespace qv {

namespace {
constexpr float pi = std::numbers::pi_v<float>;
constexpr float twoPi = 2.0f * pi;
} // namespace

void GambleWheel::start(Player& player, float angle) {
    player.wheelSpeed = startSpeed;
    player.wheelAngle = angle;
    player.wheelPastHalf = false;
}

GambleWheel::Step GambleWheel::spin(Player& player, float elapsed) {
    Step step;
    player.wheelAngle += player.wheelSpeed;
    if (player.wheelAngle > pi && !player.wheelPastHalf) {
        step.arrowA = true;
        player.wheelPastHalf = true;
    }
    if (player.wheelAngle > twoPi) {
        step.arrowB = true;
        player.wheelPastHalf = false;
        player.wheelAngle -= twoPi;
    }
    player.wheelSpeed -= 0.005f * elapsed;
    if (player.wheelSpeed >= 0.0f) {
        return step;
    }
    step.stopped = true;
    player.gambleWon = wins(player.wheelAngle);
    return step;
}

bool GambleWheel::wins(float angle) {
    return !(angle > pi / 2.0f && angle <= 3.0f * pi / 2.0f);
}

float GambleWheel::shownAngle(float angle) {
    if (!std::isfinite(angle)) {
        return 0.0f;
    }
    float a = std::fmod(angle, twoPi);
    if (a < 0.0f) {
        a += twoPi;
    }
    return a;
}

} // namespace qv
