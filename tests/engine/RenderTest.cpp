// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "game/engine/Sprite.h"

#include <cmath>
#include <numbers>

namespace qv::test {
namespace {

bool near(Rgba c, int r, int g, int b, int tolerance = 2) {
    return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance &&
           std::abs(c.b - b) <= tolerance;
}

// Every case runs twice on the software renderer: with upright quads as plain
// copies, and with all quads as geometry, the path of the other renderers.
class Render : public EngineFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        layer_->batch()->setSoftwareCopies(GetParam());
    }
    // A shown sprite with full colour from its first frame.
    void show(Sprite& s, const std::string& file, Vec3 at, Colour full = opaqueWhite) {
        s.load(layer_->textures(), file);
        s.position = at;
        s.fullColour = full;
        s.fadedColour = full;
        s.attach();
        s.start();
    }
    void frame() {
        clear();
        layer_->drawAll(0.016f, std::nullopt, false);
    }
};

TEST_P(Render, AnImageIsCentredOnItsPositionWithoutItsLastColumnAndRow) {
    // Green inside, a red last column and a blue last row.
    const std::string file = writeImage("wide.bmp", 300, 100, [](int x, int y) {
        if (x == 299) {
            return Rgba{255, 0, 0, 255};
        }
        if (y == 99) {
            return Rgba{0, 0, 255, 255};
        }
        return Rgba{0, 255, 0, 255};
    });
    Sprite s;
    show(s, file, {512, 384, 0.5f});
    frame();
    // 299 x 99 pixels from (512 - 150, 384 - 50).
    EXPECT_TRUE(near(pixel(362, 334), 0, 255, 0));
    EXPECT_TRUE(near(pixel(660, 432), 0, 255, 0));
    EXPECT_TRUE(near(pixel(512, 384), 0, 255, 0));
    EXPECT_TRUE(near(pixel(361, 334), 0, 0, 0));
    EXPECT_TRUE(near(pixel(362, 333), 0, 0, 0));
    EXPECT_TRUE(near(pixel(661, 400), 0, 0, 0));
    EXPECT_TRUE(near(pixel(500, 433), 0, 0, 0));
    for (int y = 330; y < 440; ++y) {
        for (int x = 355; x < 670; ++x) {
            const Rgba c = pixel(x, y);
            ASSERT_TRUE(c.r == 0 && c.b == 0) << x << "," << y;
        }
    }
}

TEST_P(Render, AHugeSlightlyTurnedImageCoversTheScreen) {
    // The title's backdrop: a 24-bit 768 x 768 image, scaled 3.4, barely
    // turned, centred on the top-left corner. The software renderer must draw
    // it whole (unsplit, SDL crashes on it).
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 768, 768, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_NE(image, nullptr);
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, 0, 200, 0));
    const std::string file = writeSolid("unused.bmp", 1, 1, {0, 0, 0, 255}) + ".swirl.bmp";
    ASSERT_EQ(SDL_SaveBMP(image, file.c_str()), 0);
    SDL_FreeSurface(image);
    Sprite s;
    show(s, file, {0, 0, 0.9f});
    s.scale = 3.4f;
    s.angle = 0.0001f;
    s.targetAngle = 0.0001f;
    frame();
    EXPECT_TRUE(near(pixel(5, 5), 0, 200, 0));
    EXPECT_TRUE(near(pixel(1000, 700), 0, 200, 0));
}

TEST_P(Render, LargerDepthIsFurtherAwayWhateverTheListOrder) {
    const std::string red = writeSolid("red.bmp", 40, 40, {255, 0, 0, 255});
    const std::string green = writeSolid("green.bmp", 40, 40, {0, 255, 0, 255});
    Sprite near1, far1;
    show(near1, green, {100, 100, 0.2f});
    show(far1, red, {110, 110, 0.6f});
    Sprite far2, near2;
    show(far2, red, {300, 100, 0.6f});
    show(near2, green, {310, 110, 0.2f});
    frame();
    EXPECT_TRUE(near(pixel(105, 105), 0, 255, 0));
    EXPECT_TRUE(near(pixel(305, 105), 0, 255, 0));
    EXPECT_TRUE(near(pixel(125, 125), 255, 0, 0));
}

TEST_P(Render, AtEqualDepthTheDrawableNearerTheHeadIsOnTop) {
    const std::string red = writeSolid("red.bmp", 40, 40, {255, 0, 0, 255});
    const std::string green = writeSolid("green.bmp", 40, 40, {0, 255, 0, 255});
    Sprite older, newer;
    show(older, red, {100, 100, 0.0f});
    show(newer, green, {110, 110, 0.0f});
    frame();
    EXPECT_TRUE(near(pixel(105, 105), 0, 255, 0));
    layer_->remove(older);
    older.attach();
    frame();
    EXPECT_TRUE(near(pixel(105, 105), 255, 0, 0));
}

TEST_P(Render, ColourModulatesTheImageAndAlphaBlendsIt) {
    const std::string white = writeSolid("white.bmp", 20, 20, {255, 255, 255, 255});
    Sprite tinted, halfAlpha;
    show(tinted, white, {100, 100, 0.5f}, Colour{255, 128, 0, 255});
    show(halfAlpha, white, {200, 100, 0.5f}, Colour{0, 0, 255, 128});
    frame();
    EXPECT_TRUE(near(pixel(100, 100), 255, 128, 0));
    EXPECT_TRUE(near(pixel(200, 100), 0, 0, 128, 3));
}

TEST_P(Render, RotationTurnsTheImageAboutItsCentre) {
    const std::string bar = writeSolid("bar.bmp", 101, 21, {255, 255, 255, 255});
    Sprite s;
    show(s, bar, {400, 300, 0.5f});
    s.setTargetAngle(std::numbers::pi_v<float> / 2.0f);
    frame();
    // Now an upright bar through the same centre.
    EXPECT_TRUE(near(pixel(400, 300), 255, 255, 255));
    EXPECT_TRUE(near(pixel(400, 260), 255, 255, 255));
    EXPECT_TRUE(near(pixel(400, 340), 255, 255, 255));
    EXPECT_TRUE(near(pixel(440, 300), 0, 0, 0));
    EXPECT_TRUE(near(pixel(360, 300), 0, 0, 0));
    EXPECT_TRUE(near(pixel(400, 360), 0, 0, 0));
}

TEST_P(Render, ScaleGrowsTheImageAboutItsCentre) {
    const std::string white = writeSolid("white.bmp", 21, 21, {255, 255, 255, 255});
    Sprite s;
    show(s, white, {400, 300, 0.5f});
    s.scale = 2.0f;
    frame();
    EXPECT_TRUE(near(pixel(400 - 18, 300 - 18), 255, 255, 255));
    EXPECT_TRUE(near(pixel(400 - 24, 300), 0, 0, 0));
}

TEST_P(Render, TexturesAreDrawnAgainAfterADeviceReset) {
    const std::string white = writeSolid("white.bmp", 20, 20, {255, 255, 255, 255});
    Sprite s;
    show(s, white, {100, 100, 0.5f});
    SDL_Texture* before = s.texture()->get();
    layer_->onDeviceReset();
    EXPECT_NE(s.texture()->get(), nullptr);
    (void)before;
    frame();
    EXPECT_TRUE(near(pixel(100, 100), 255, 255, 255));
}

TEST_P(Render, ReleasedTexturesDrawNothingAndDoNotOutliveTheRenderer) {
    const std::string white = writeSolid("white.bmp", 20, 20, {255, 255, 255, 255});
    Sprite s;
    show(s, white, {100, 100, 0.5f});
    layer_->release();
    EXPECT_EQ(s.texture()->get(), nullptr);
    EXPECT_FALSE(layer_->contains(s));
    frame();
    EXPECT_TRUE(near(pixel(100, 100), 0, 0, 0));
}

TEST_P(Render, AHilightedButtonShowsItsHilightOverItsNormalImage) {
    Sprite button;
    button.load(layer_->textures(), writeSolid("off.bmp", 60, 20, {0, 0, 255, 255}),
                writeSolid("on.bmp", 60, 20, {255, 255, 0, 255}),
                writeSolid("down.bmp", 60, 20, {255, 0, 0, 255}));
    button.position = {200, 200, 0.0f};
    button.attach();
    button.start();
    for (int i = 0; i < 20; ++i) {
        clear();
        layer_->drawAll(0.05f, Vec3{200, 200, 0}, false);
    }
    EXPECT_TRUE(near(pixel(200, 200), 255, 255, 0));
    for (bool click : {true, false, false}) {
        clear();
        layer_->drawAll(0.05f, Vec3{200, 200, 0}, click);
    }
    // The pressed image fades in over the hilight.
    const Rgba c = pixel(200, 200);
    EXPECT_EQ(c.r, 255);
    EXPECT_LT(c.g, 255);
}

// Destroys a sprite from inside the pass, after the sprite queued its quad.
struct Destroyer : Drawable {
    Kind kind() const override { return Kind::Text; }
    bool draw(float, const std::optional<Vec3>&, bool) override {
        victim.reset();
        return false;
    }
    std::unique_ptr<Sprite> victim;
};

TEST_P(Render, ASpriteDestroyedDuringThePassStillDrawsThisFrameAndNotTheNext) {
    Destroyer destroyer;
    destroyer.enabled = true;
    destroyer.attach();
    destroyer.victim = std::make_unique<Sprite>();
    show(*destroyer.victim, writeSolid("only.bmp", 20, 20, {0, 255, 0, 255}), {100, 100, 0.5f});
    frame();
    EXPECT_TRUE(near(pixel(100, 100), 0, 255, 0));
    EXPECT_EQ(layer_->textures().liveCount(), 0);
    frame();
    EXPECT_TRUE(near(pixel(100, 100), 0, 0, 0));
}

TEST_P(Render, PositionsThatAreNotNumbersOrFarOffDoNotUpsetTheOthers) {
    const std::string red = writeSolid("red.bmp", 20, 20, {255, 0, 0, 255});
    Sprite odd, lost, far, fine;
    show(odd, red, {100, 100, std::nanf("")});
    show(lost, red, {std::nanf(""), 100, 0.5f});
    show(far, red, {3.0e9f, -3.0e9f, 0.5f});
    show(fine, red, {300, 100, 0.5f});
    frame();
    EXPECT_TRUE(near(pixel(300, 100), 255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Paths, Render, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Copies" : "Geometry"; });

} // namespace
} // namespace qv::test
