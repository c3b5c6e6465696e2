// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "game/engine/Sprite.h"

#include <numbers>

namespace qv::test {
namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;

TEST(Turning, GoesTheShortWayThroughTwoPi) {
    const float step = Sprite::turn(6.2f, 0.1f, 0.5f);
    // Halfway from 6.2 to 0.1 + 2π, brought back into [0, 2π).
    EXPECT_NEAR(step, (6.2f + 0.1f + twoPi) / 2.0f - twoPi, 1e-5f);
    EXPECT_NEAR(Sprite::turn(0.1f, 6.2f, 0.5f), step, 1e-5f);
    EXPECT_NEAR(Sprite::turn(1.0f, 3.0f, 0.5f), 2.0f, 1e-6f);
    EXPECT_FLOAT_EQ(Sprite::turn(6.2f, 0.1f, 1.0f), 0.1f);
}

TEST(Turning, TargetAnglesAreBroughtIntoOneTurn) {
    Sprite s;
    s.setTargetAngle(-0.5f);
    EXPECT_NEAR(s.targetAngle, twoPi - 0.5f, 1e-5f);
    s.setTargetAngle(3.0f * twoPi + 1.0f);
    EXPECT_NEAR(s.targetAngle, 1.0f, 1e-4f);
    s.setTargetAngle(twoPi);
    EXPECT_GE(s.targetAngle, 0.0f);
    EXPECT_LT(s.targetAngle, twoPi);
}

using SpriteImages = EngineFixture;

TEST_F(SpriteImages, DrawnFramesTurnByTheRateAndStoreTheTransform) {
    Sprite s;
    s.load(layer_->textures(), writeSolid("a.bmp", 10, 10, {255, 255, 255, 255}));
    s.position = {100, 200, 0.5f};
    s.angle = 6.2f;
    s.targetAngle = 0.1f;
    s.turnRate = 0.5f;
    s.attach();
    s.enabled = true;
    layer_->drawAll(0.0f, std::nullopt, false);
    EXPECT_NEAR(s.angle, Sprite::turn(6.2f, 0.1f, 0.5f), 1e-6f);
    const Vec3 centre = s.transform.apply({0, 0, 0});
    EXPECT_FLOAT_EQ(centre.x, 100.0f);
    EXPECT_FLOAT_EQ(centre.y, 200.0f);
    EXPECT_FLOAT_EQ(centre.z, 0.5f);
}

TEST_F(SpriteImages, SizeComesFromTheFirstImageThatLoaded) {
    const std::string wide = writeSolid("wide.bmp", 300, 100, {0, 0, 255, 255});
    const std::string small = writeSolid("small.bmp", 30, 10, {0, 255, 0, 255});
    Sprite s;
    EXPECT_TRUE(s.load(layer_->textures(), wide));
    EXPECT_EQ(s.sourceRect, (SourceRect{0, 0, 299, 99}));
    EXPECT_EQ(s.centre, (Vec3{150, 50, 0}));

    Sprite missing;
    EXPECT_FALSE(missing.load(layer_->textures(), (folder_ / "none.tga").string(), small));
    EXPECT_FALSE(missing.texture());
    EXPECT_EQ(missing.sourceRect, (SourceRect{0, 0, 29, 9}));

    Sprite nothing;
    EXPECT_FALSE(nothing.load(layer_->textures(), (folder_ / "none.tga").string()));
    EXPECT_EQ(nothing.sourceRect, (SourceRect{0, 0, -1, -1}));
    nothing.attach();
    nothing.start();
    layer_->drawAll(0.1f, std::nullopt, false);
    EXPECT_EQ(layer_->batch()->quadCount(), 0);
}

TEST_F(SpriteImages, AFileIsOneSharedTextureForAsLongAsASpriteShowsIt) {
    const std::string file = writeSolid("a.bmp", 8, 8, {255, 0, 0, 255});
    {
        Sprite a, b;
        a.load(layer_->textures(), file);
        // Doubled slashes name the same file.
        b.load(layer_->textures(), folder_.string() + "//a.bmp");
        ASSERT_TRUE(a.texture());
        EXPECT_EQ(a.texture(), b.texture());
        EXPECT_EQ(layer_->textures().liveCount(), 1);
    }
    EXPECT_EQ(layer_->textures().liveCount(), 0);
}

// A button of three 300 x 100 images at (500, 400).
class Button : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        const std::string off = writeSolid("off.bmp", 300, 100, {0, 0, 128, 255});
        const std::string over = writeSolid("over.bmp", 300, 100, {0, 0, 255, 255});
        const std::string down = writeSolid("down.bmp", 300, 100, {255, 255, 0, 255});
        button.load(layer_->textures(), off, over, down);
        button.position = {500, 400, 0.5f};
        button.attach();
        button.start();
        // Past the fade-in, with the pointer elsewhere.
        for (int i = 0; i < 10; ++i) {
            frame({900, 700, 0});
        }
    }
    void frame(const Vec3& pointer, bool click = false, float dt = 0.05f) {
        layer_->drawAll(dt, pointer, click);
    }
    Sprite button;
};

TEST_F(Button, TheHitBoxIncludesItsEdges) {
    frame({650, 450, 0});
    EXPECT_EQ(button.buttonState, 1);
    EXPECT_TRUE(button.hilightImage()->enabled);
    frame({650.5f, 400, 0});
    EXPECT_EQ(button.buttonState, 0);
    frame({350, 350, 0});
    EXPECT_EQ(button.buttonState, 1);
    frame({350, 349.5f, 0});
    EXPECT_EQ(button.buttonState, 0);
    // Leaving starts the hilight's fade-out at once from full colour.
    EXPECT_FLOAT_EQ(button.hilightImage()->hold, 0.0f);
    frame({350, 349.5f, 0});
    frame({350, 349.5f, 0});
    EXPECT_TRUE(button.hilightImage()->fadingOut);
    EXPECT_TRUE(button.hilightImage()->enabled);
    for (int i = 0; i < 12; ++i) {
        frame({350, 349.5f, 0});
    }
    EXPECT_FALSE(button.hilightImage()->enabled);
}

TEST_F(Button, AClickOutsideDoesNothing) {
    frame({100, 100, 0}, true);
    EXPECT_EQ(button.buttonState, 0);
    EXPECT_FALSE(button.pressPending);
    EXPECT_FALSE(button.clicked);
}

TEST_F(Button, ASecondClickWhileThePressedImagePlaysIsIgnored) {
    button.hold = 3.0f;
    frame({500, 400, 0});
    frame({500, 400, 0}, true);
    EXPECT_EQ(button.buttonState, 2);
    EXPECT_FLOAT_EQ(button.hold, 0.0f);
    frame({500, 400, 0});
    EXPECT_TRUE(button.clicked);
    button.clicked = false;

    for (int i = 0; i < 5; ++i) {
        frame({500, 400, 0}, true);
    }
    EXPECT_FALSE(button.clicked);
    EXPECT_EQ(button.buttonState, 2);
    // Started once, at the first click, six frames ago.
    EXPECT_NEAR(button.pressedImage()->age, 0.30f, 1e-4f);

    for (int i = 0; i < 10; ++i) {
        frame({500, 400, 0});
    }
    EXPECT_FALSE(button.clicked);
    EXPECT_EQ(button.buttonState, 1);
    EXPECT_FALSE(button.pressPending);
    EXPECT_FLOAT_EQ(button.hold, 3.0f);
    frame({500, 400, 0}, true);
    EXPECT_EQ(button.buttonState, 2);
}

TEST_F(Button, ClickAfterPressWaitsForThePressToPlayOut) {
    button.clickAfterPress = true;
    frame({500, 400, 0}, true);
    float played = 0.0f;
    while (!button.clicked && played < 2.0f) {
        frame({500, 400, 0});
        played += 0.05f;
    }
    EXPECT_TRUE(button.clicked);
    EXPECT_GT(played, 0.69f);
    EXPECT_EQ(button.buttonState, 1);
}

TEST_F(Button, KeepPressedLookShowsThePressedImageAtFullColourAfterwards) {
    button.keepPressedLook = true;
    frame({500, 400, 0}, true);
    for (int i = 0; i < 30; ++i) {
        frame({900, 700, 0});
    }
    Sprite& pressed = *button.pressedImage();
    EXPECT_FALSE(pressed.enabled);
    EXPECT_TRUE(pressed.fadingOut);
    EXPECT_EQ(pressed.colour, pressed.fullColour);
    // The button and its pressed image, nothing else.
    EXPECT_EQ(layer_->batch()->quadCount(), 2);
}

// A click in the frame the pointer arrives (a key's shortcut) presses the
// button before its hilight was ever started: the hilight, never stepped,
// has no colour of its own yet and must not be drawn (it would be a black
// shape over the button). A button started again after stopping is at rest.
TEST_F(Button, PicturesThatAreOffAreNotDrawnWhateverTheState) {
    frame({500, 400, 0}, true);
    EXPECT_EQ(button.buttonState, 2);
    EXPECT_FALSE(button.hilightImage()->enabled);
    EXPECT_EQ(layer_->batch()->quadCount(), 2) << "the button and its pressed picture";
    button.pressedImage()->enabled = false;
    frame({500, 400, 0});
    EXPECT_EQ(layer_->batch()->quadCount(), 1) << "the button alone";
}

// Clicks on a button that queues them, while its press still plays, play
// one after the other: each is reported.
TEST_F(Button, QueuedClicksPlayInTurnAfterThePress) {
    button.queuesClicks = true;
    frame({500, 400, 0}, true);
    frame({500, 400, 0});
    EXPECT_TRUE(button.takeClick());
    frame({500, 400, 0}, true);
    frame({500, 400, 0}, true);
    EXPECT_EQ(button.queuedClicks, 2);
    int reported = 0;
    for (int i = 0; i < 60; ++i) {
        frame({500, 400, 0});
        reported += button.takeClick() ? 1 : 0;
    }
    EXPECT_EQ(reported, 2);
    EXPECT_EQ(button.queuedClicks, 0);
}

} // namespace
} // namespace qv::test
