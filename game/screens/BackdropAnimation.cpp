// SPDX-License-Identifier: MIT
#include "game/screens/BackdropAnimation.h"

#include <cmath>

#include "game/engine/Sprite.h"

namespace qv {

namespace {

constexpr float twoPi = 6.2831855f;
constexpr std::array<float, 3> rates{0.3f, 0.2f, 0.1f};
// Per frame, not per second: the turn is slower on a slower display.
constexpr float turnPerFrame = 0.0001f;

} // namespace

int BackdropAnimation::channel(float phase) {
    return static_cast<int>(std::floor((std::sin(phase) + 1.0f) * 0.5f * 125.0f + 130.0f));
}

void BackdropAnimation::step(Sprite& backdrop, float dt) {
    for (std::size_t k = 0; k < phases_.size(); ++k) {
        phases_[k] += dt * rates[k];
        if (phases_[k] > twoPi) {
            phases_[k] -= twoPi;
        }
    }
    backdrop.fullColour = Colour{static_cast<std::uint8_t>(channel(phases_[0])),
                                 static_cast<std::uint8_t>(channel(phases_[1])),
                                 static_cast<std::uint8_t>(channel(phases_[2])), 255};
    backdrop.setTargetAngle(backdrop.targetAngle - turnPerFrame);
}

} // namespace qv
