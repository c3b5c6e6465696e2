// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "game/engine/Sprite.h"

namespace qv::test {
namespace {

constexpr Colour black{0, 0, 0, 255};

// A sprite without an image steps its envelope like any drawable.
struct Faded : Sprite {
    Faded(float in, float holdTime, float out, Colour from, Colour to) {
        fadeIn = in;
        hold = holdTime;
        fadeOut = out;
        fadedColour = from;
        fullColour = to;
    }
    void step(float dt) { draw(dt, std::nullopt, false); }
};

TEST(Envelope, FadeInWithEndlessHoldIsHalfwayAfterHalfTheFadeAndNeverSwitchesOff) {
    Faded d(0.2f, -1.0f, 0.0f, black, Colour{255, 100, 51, 255});
    d.start();
    EXPECT_EQ(d.colour, black);
    d.step(0.1f);
    d.step(0.0f);
    // Truncated, not rounded: 127.5 -> 127, 25.5 -> 25.
    EXPECT_EQ(d.colour, (Colour{127, 50, 25, 255}));
    for (int i = 0; i < 100; ++i) {
        d.step(1.0f);
    }
    EXPECT_TRUE(d.enabled);
    EXPECT_FALSE(d.fadingOut);
    EXPECT_EQ(d.colour, (Colour{255, 100, 51, 255}));
}

TEST(Envelope, FadeOutReachesTheFadedColourThenSwitchesOffInTheList) {
    SpriteLayer layer(nullptr);
    Faded d(2.0f, 0.0f, 1.0f, black, opaqueWhite);
    d.attach();
    d.start();
    d.age = 2.5f;
    d.step(0.0f);
    EXPECT_TRUE(d.fadingOut);
    EXPECT_EQ(d.colour, (Colour{127, 127, 127, 255}));

    d.age = 3.0f;
    d.step(0.25f);
    EXPECT_EQ(d.colour, black);
    EXPECT_TRUE(d.enabled);

    d.colour = Colour{1, 2, 3, 4};
    d.step(0.25f);
    EXPECT_FALSE(d.enabled);
    EXPECT_EQ(d.colour, (Colour{1, 2, 3, 4}));
    EXPECT_FLOAT_EQ(d.age, 3.25f);
    EXPECT_TRUE(layer.contains(d));
}

TEST(Envelope, FallingChannelsTruncateTowardTheFadedColour) {
    Faded d(1.0f, -1.0f, 0.0f, Colour{255, 200, 0, 255}, Colour{0, 0, 0, 0});
    d.start();
    d.age = 0.5f;
    d.step(0.0f);
    // 255 + trunc(-127.5) = 128; the alpha falls the same way.
    EXPECT_EQ(d.colour, (Colour{128, 100, 0, 128}));
}

TEST(Envelope, WithoutFadeInTheFirstStepShowsTheFadedColourAndTheNextTheFullOne) {
    Faded d(0.0f, -1.0f, 0.0f, black, opaqueWhite);
    d.start();
    EXPECT_EQ(d.colour, black);
    d.step(0.016f);
    EXPECT_EQ(d.colour, black);
    d.step(0.016f);
    EXPECT_EQ(d.colour, opaqueWhite);
}

TEST(Envelope, ZeroFadeOutSwitchesOffWithoutAnUndefinedColour) {
    Faded d(0.0f, 0.5f, 0.0f, black, opaqueWhite);
    d.start();
    d.age = 0.5f;
    d.step(0.1f);
    EXPECT_EQ(d.colour, black);
    d.step(0.1f);
    EXPECT_FALSE(d.enabled);
}

using SkipElapsed = EngineFixture;

TEST_F(SkipElapsed, TheNextFrameAdvancesNoFadeAndTheOneAfterDoes) {
    Faded d(1.0f, -1.0f, 0.0f, black, opaqueWhite);
    d.attach();
    d.start();
    layer_->drawAll(0.25f, std::nullopt, false);
    EXPECT_FLOAT_EQ(d.age, 0.25f);
    layer_->skipNextElapsed = true;
    layer_->drawAll(0.5f, std::nullopt, false);
    EXPECT_FLOAT_EQ(d.age, 0.25f);
    EXPECT_FALSE(layer_->skipNextElapsed);
    layer_->drawAll(0.5f, std::nullopt, false);
    EXPECT_FLOAT_EQ(d.age, 0.75f);
}

} // namespace
} // namespace qv::test
