// SPDX-License-Identifier: MIT
#pragma once
// The slowly turning, slowly changing colour of the big picture behind the
// title, settings and game-over screens. It moves every frame, also while the
// quit question holds everything else still.

#include <array>

namespace qv {

class Sprite;

class BackdropAnimation {
public:
    // One frame of dt seconds: the three phases move on, the backdrop's full
    // colour follows them (each channel 130 to 255, alpha opaque) and it
    // turns by a fixed step per frame.
    void step(Sprite& backdrop, float dt);

    const std::array<float, 3>& phases() const { return phases_; }

    // The channel value of a phase: ⌊(sin p + 1) × 0.5 × 125 + 130⌋.
    static int channel(float phase);

private:
    // The phases start high and come back into [0, 2π) by one 2π a frame; the
    // colour is the same either way.
    std::array<float, 3> phases_{255.0f, 255.0f, 255.0f};
};

} // namespace qv
