// SPDX-License-Identifier: MIT
#include "TextFixture.h"

#include "game/engine/FireworkBurst.h"

#include <cmath>

namespace qv::test {
namespace {

class Fireworks : public TextFixture {
protected:
    void SetUp() override {
        TextFixture::SetUp();
        random_.seed(12345);
        spark_ = (folder_ / "Firework.bmp").string();
        SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(image, nullptr);
        SDL_FillRect(image, nullptr, 0xFFFFFFFF);
        ASSERT_EQ(SDL_SaveBMP(image, spark_.c_str()), 0);
        SDL_FreeSurface(image);
    }

    void configure(FireworkBurst& burst, float maxSpeed, int count, float fadeTime) {
        burst.imagePath = spark_;
        burst.configure(layer_->textures(), maxSpeed, count, fadeTime);
    }

    Random random_;
    std::string spark_;
};

TEST_F(Fireworks, ConfiguringShareOneTextureAndSetsTheEnvelope) {
    FireworkBurst burst(random_);
    EXPECT_EQ(burst.count(), 0);
    EXPECT_FALSE(burst.flying());
    configure(burst, 4.0f, 800, 1.5f);
    ASSERT_EQ(burst.count(), 800);
    EXPECT_EQ(burst.maxSpeed(), 4.0f);
    EXPECT_EQ(layer_->textures().liveCount(), 1);
    const Texture* shared = burst.particle(0).texture().get();
    ASSERT_NE(shared, nullptr);
    for (int i = 0; i < burst.count(); ++i) {
        Sprite& p = burst.particle(i);
        ASSERT_EQ(p.texture().get(), shared) << i;
        EXPECT_EQ(p.hold, 0.0f);
        EXPECT_EQ(p.fadeIn, 0.0f);
        EXPECT_EQ(p.fullColour, opaqueWhite);
        EXPECT_EQ(p.fadedColour, transparentWhite);
        EXPECT_GE(p.fadeOut, 1.5f);
        EXPECT_LT(p.fadeOut, 2.0f);
        EXPECT_FALSE(p.enabled);
    }
    // A burst configured again keeps the same texture; a count of 0 or less
    // gives a burst that does nothing.
    configure(burst, 4.0f, 10, 1.5f);
    EXPECT_EQ(burst.particle(0).texture().get(), shared);
    configure(burst, 4.0f, -3, 1.5f);
    EXPECT_EQ(burst.count(), 0);
    burst.launch(10, 10);
    burst.update(0.1f);
    EXPECT_FALSE(burst.flying());
}

TEST_F(Fireworks, WithoutSpeedParticlesFallStraightDownFasterAndFaster) {
    FireworkBurst burst(random_);
    configure(burst, 0.0f, 20, 10.0f);
    burst.launch(512, 384);
    ASSERT_TRUE(burst.flying());
    for (int i = 0; i < burst.count(); ++i) {
        EXPECT_EQ(burst.particle(i).position, (Vec3{512, 384, 0.1f}));
        EXPECT_TRUE(layer_->contains(burst.particle(i)));
        EXPECT_EQ(burst.velocity(i).x, 0.0f);
        EXPECT_EQ(burst.velocity(i).y, 0.0f);
    }
    float time = 0.0f;
    float speed = 0.0f;
    float y = 384.0f;
    for (int frame = 0; frame < 30; ++frame) {
        const float before = burst.velocity(0).y;
        burst.update(1.0f / 30.0f);
        time += 1.0f / 30.0f;
        y += speed;
        speed = speed * 0.95f + time * time * 0.08f;
        EXPECT_NEAR(burst.velocity(0).y - before * 0.95f, time * time * 0.08f, 1e-6f);
        for (int i = 0; i < burst.count(); ++i) {
            const Sprite& p = burst.particle(i);
            ASSERT_EQ(p.position.x, 512.0f);
            ASSERT_FLOAT_EQ(p.position.y, y);
            ASSERT_TRUE(p.fullColour.a == 100 || p.fullColour.a == 255);
        }
    }
    EXPECT_FLOAT_EQ(burst.time(), time);
    EXPECT_GT(burst.particle(0).position.y, 384.0f + 1.0f);
}

TEST_F(Fireworks, FlightAndTwinkleComeFromTheOneGenerator) {
    FireworkBurst a(random_);
    configure(a, 6.0f, 50, 1.0f);
    a.launch(300, 200);
    a.update(0.02f);
    Random other;
    other.seed(12345);
    FireworkBurst b(other);
    configure(b, 6.0f, 50, 1.0f);
    b.launch(300, 200);
    b.update(0.02f);
    int twinkles = 0;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(a.velocity(i), b.velocity(i));
        EXPECT_EQ(a.particle(i).fadeOut, b.particle(i).fadeOut);
        EXPECT_EQ(a.particle(i).fullColour, b.particle(i).fullColour);
        twinkles += a.particle(i).fullColour.a == 100 ? 1 : 0;
        const Vec3 v = a.velocity(i);
        EXPECT_LT(std::hypot(v.x / 0.95f, (v.y - 0.02f * 0.02f * 0.08f) / 0.95f), 6.0001f);
    }
    EXPECT_EQ(random_.state(), other.state());
    EXPECT_GT(twinkles, 5);
    EXPECT_LT(twinkles, 45);
}

TEST_F(Fireworks, EveryParticleIsOffAfterFiveSecondsWhateverItsFade) {
    FireworkBurst burst(random_);
    configure(burst, 3.0f, 100, 60.0f);
    burst.launch(100, 100);
    int frames = 0;
    while (burst.flying() && frames < 1000) {
        layer_->drawAll(0.1f, std::nullopt, false);
        burst.update(0.1f);
        ++frames;
    }
    EXPECT_GT(burst.time(), 5.0f);
    EXPECT_LT(burst.time(), 5.2f);
    for (int i = 0; i < burst.count(); ++i) {
        EXPECT_FALSE(burst.particle(i).enabled) << i;
    }
}

TEST_F(Fireworks, RelaunchingWhileFlyingMovesEveryParticleAndKeepsTheFades) {
    FireworkBurst burst(random_);
    configure(burst, 5.0f, 30, 2.0f);
    burst.launch(100, 100);
    for (int frame = 0; frame < 5; ++frame) {
        layer_->drawAll(0.1f, std::nullopt, false);
        burst.update(0.1f);
    }
    // One particle has gone out already.
    burst.particle(3).enabled = false;
    const float flyingAge = burst.particle(0).age;
    ASSERT_GT(flyingAge, 0.3f);
    std::vector<Vec3> oldVelocities;
    for (int i = 0; i < burst.count(); ++i) {
        oldVelocities.push_back(burst.velocity(i));
    }

    burst.launch(600, 300);
    EXPECT_EQ(burst.time(), 0.0f);
    int changed = 0;
    for (int i = 0; i < burst.count(); ++i) {
        const Sprite& p = burst.particle(i);
        EXPECT_EQ(p.position, (Vec3{600, 300, 0.1f}));
        EXPECT_TRUE(p.enabled);
        if (i == 3) {
            EXPECT_EQ(p.age, 0.0f) << "a particle that was off starts its envelope again";
        } else {
            EXPECT_EQ(p.age, flyingAge) << "a flying particle keeps its fade";
        }
        changed += burst.velocity(i) == oldVelocities[static_cast<std::size_t>(i)] ? 0 : 1;
    }
    EXPECT_EQ(changed, burst.count());
}

TEST_F(Fireworks, AMissingImageRunsTheBurstUnseen) {
    FireworkBurst burst(random_);
    burst.imagePath = (folder_ / "nothing.tga").string();
    burst.configure(layer_->textures(), 2.0f, 5, 1.0f);
    ASSERT_EQ(burst.count(), 5);
    EXPECT_EQ(burst.particle(0).texture(), nullptr);
    burst.launch(50, 50);
    burst.update(0.1f);
    EXPECT_TRUE(burst.flying());
    frame();
}

} // namespace
} // namespace qv::test
