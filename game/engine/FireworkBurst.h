// SPDX-License-Identifier: MIT
#pragma once
// One burst of a firework: a number of small sprites showing the spark
// image, each flying out from the launch point with its own velocity,
// slowing, falling ever faster and fading on its own envelope. Motion is per
// frame (the distances follow the frame rate); only the time since launch,
// and with it the pull downwards and the 5-second end, follows the clock.
// Every random number comes from the game's one generator.

#include "common/Random.h"
#include "game/engine/Sprite.h"
#include "game/engine/TextureCache.h"

#include <memory>
#include <string>

namespace qv {

class FireworkBurst {
public:
    // The generator is not owned and must outlive the burst. A new burst has
    // no particles.
    explicit FireworkBurst(Random& random) : random_(random) {}
    // Destroys the particles, which leave the draw list.
    ~FireworkBurst() = default;
    FireworkBurst(const FireworkBurst&) = delete;
    FireworkBurst& operator=(const FireworkBurst&) = delete;

    // Replaces the particles with `count` new ones (none for a count of 0 or
    // less), each showing imagePath from the cache (the file is read once
    // for all of them), with no fade-in or hold and a fade-out of fadeTime
    // plus a random part in [0, 0.5) s, from opaque to transparent white.
    // A missing image leaves the particles empty: the burst runs unseen.
    void configure(TextureCache& textures, float maxSpeed, int count, float fadeTime);
    // Puts every particle at (x, y) with depth 0.1, attached to the layer and
    // started unless it is still on (a flying particle keeps its fade), with
    // a random direction and a random speed below maxSpeed; the time since
    // launch starts again.
    void launch(int x, int y);
    // One frame: every particle twinkles, moves by its velocity, slows and
    // falls; more than 5 s after the launch every particle is switched off.
    void update(float elapsed);

    // While true the owner calls update every frame.
    bool flying() const { return count_ > 0 && particles_[0].enabled; }

    int count() const { return count_; }
    float maxSpeed() const { return maxSpeed_; }
    // Seconds since the last launch.
    float time() const { return time_; }
    Sprite& particle(int index) { return particles_[static_cast<std::size_t>(index)]; }
    const Vec3& velocity(int index) const { return velocities_[static_cast<std::size_t>(index)]; }

    // The spark image, relative to the program folder.
    std::string imagePath = "Resources//Firework.tga";

private:
    Random& random_;
    std::unique_ptr<Sprite[]> particles_;
    std::unique_ptr<Vec3[]> velocities_;
    int count_ = 0;
    float maxSpeed_ = 0.0f;
    float time_ = 0.0f;
};

} // namespace qv
