// SPDX-License-Identifier: MIT
#include "game/engine/FireworkBurst.h"

#include <cmath>
#include <numbers>

namespace qv {

void FireworkBurst::configure(TextureCache& textures, float maxSpeed, int count, float fadeTime) {
    // Taken before the old particles go, so that a burst configured again
    // finds the image still loaded; while it is held every particle's load
    // below is a look-up of the one texture.
    const TextureHandle image = count > 0 ? textures.load(imagePath) : nullptr;
    particles_.reset();
    velocities_.reset();
    count_ = 0;
    maxSpeed_ = maxSpeed;
    if (count <= 0) {
        return;
    }
    particles_ = std::make_unique<Sprite[]>(static_cast<std::size_t>(count));
    velocities_ = std::make_unique<Vec3[]>(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Sprite& p = particles_[static_cast<std::size_t>(i)];
        p.load(textures, imagePath);
        p.hold = 0.0f;
        p.fullColour = opaqueWhite;
        p.fadedColour = transparentWhite;
        p.fadeIn = 0.0f;
        p.fadeOut = fadeTime + static_cast<float>(random_.between(0.0, 0.5));
    }
    count_ = count;
}

void FireworkBurst::launch(int x, int y) {
    constexpr double twoPi = 2.0 * std::numbers::pi;
    for (int i = 0; i < count_; ++i) {
        Sprite& p = particles_[static_cast<std::size_t>(i)];
        p.position = Vec3{static_cast<float>(x), static_cast<float>(y), 0.1f};
        p.attach();
        if (!p.enabled) {
            p.start();
        }
        const double angle = random_.between(0.0, twoPi);
        const double speed = random_.between(0.0, static_cast<double>(maxSpeed_));
        velocities_[static_cast<std::size_t>(i)] =
            Vec3{static_cast<float>(std::sin(angle) * speed),
                 static_cast<float>(std::cos(angle) * speed), 0.0f};
    }
    time_ = 0.0f;
}

void FireworkBurst::update(float elapsed) {
    time_ += elapsed;
    const float pull = time_ * time_ * 0.08f;
    for (int i = 0; i < count_; ++i) {
        Sprite& p = particles_[static_cast<std::size_t>(i)];
        Vec3& v = velocities_[static_cast<std::size_t>(i)];
        p.fullColour.a = random_.between(0.0, 1.0) <= 0.5 ? 100 : 255;
        p.position.x += v.x;
        p.position.y += v.y;
        p.position.z += v.z;
        v.x *= 0.95f;
        v.y *= 0.95f;
        v.y += pull;
        if (time_ > 5.0f && p.enabled) {
            p.enabled = false;
        }
    }
}

} // namespace qv
