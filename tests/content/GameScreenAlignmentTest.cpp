// SPDX-License-Identifier: MIT
// The game screen's buttons have no resting image: their resting look is
// painted into the background, and the lit images are drawn over it by their
// centres. These checks catch art that drifts off the places the screen uses.
#include "game/quiz/BoardLayout.h"
#include "game/quiz/PrizeLadder.h"
#include "tests/content/ResourceFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qv::test {
namespace {

bool dark(const Rgba& p) {
    return std::max({p.r, p.g, p.b}) < 90;
}

class GameScreenAlignment : public ::testing::Test {
protected:
    void SetUp() override {
        back = loadRgba("Back.bmp");
        ASSERT_TRUE(back);
    }
    SurfacePtr back;
};

TEST_F(GameScreenAlignment, AnswerPlatesLieOnTheirPaintedPlates) {
    const SurfacePtr hover = loadRgba("AnswerButtonHilight.tga");
    const SurfacePtr pressed = loadRgba("AnswerButtonOn.tga");
    const SurfacePtr correct = loadRgba("AnswerCorrect.tga");
    ASSERT_TRUE(hover && pressed && correct);
    for (const board::Place& place : board::answerCentres) {
        const int c[2] = {place.x, place.y};
        SCOPED_TRACE(std::to_string(c[0]) + "," + std::to_string(c[1]));
        const int left = c[0] - hover->w / 2;
        const int top = c[1] - hover->h / 2;
        // The painted plate spans the image, bar the margin left for the glow.
        for (int x : {20, 120, 250, 345}) {
            EXPECT_TRUE(dark(pixel(*back, left + x, c[1]))) << x;
        }
        EXPECT_FALSE(dark(pixel(*back, left - 6, c[1])));
        // The letter's badge shows through every lit look, and the letter is
        // painted there, light on dark.
        int brightest = 0;
        for (int y = -6; y <= 6; ++y) {
            for (int x = -6; x <= 6; ++x) {
                const Rgba p = pixel(*back, left + 30 + x, top + 26 + y);
                brightest = std::max(brightest, std::min({p.r, p.g, p.b}));
            }
        }
        EXPECT_GT(brightest, 200);
    }
    for (const SurfacePtr* lit : {&hover, &pressed, &correct}) {
        EXPECT_LT(pixel(**lit, 30, 26).a, 16);
        for (int x : {60, 185, 340}) {
            EXPECT_GT(pixel(**lit, x, 26).a, 240) << x;
        }
    }
}

TEST_F(GameScreenAlignment, TakeAndHelpButtonsLieOnTheirPaintedButtons) {
    const char* hover[4] = {"takewinningsHilight.tga", "jokerbuttonhilight.tga",
                            "cluebuttonhilight.tga", "gamblebuttonhilight.tga"};
    const char* crossed[4] = {nullptr, "JokerCrossed.tga", "ClueCrossed.tga", "GambleCrossed.tga"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(hover[i]);
        const int x = board::helpX[static_cast<std::size_t>(i)];
        EXPECT_TRUE(dark(pixel(*back, x - 34, board::helpY)));
        EXPECT_TRUE(dark(pixel(*back, x + 34, board::helpY)));
        const SurfacePtr lit = loadRgba(hover[i]);
        ASSERT_TRUE(lit);
        EXPECT_GT(pixel(*lit, 11, 28).a, 240);
        EXPECT_GT(pixel(*lit, 79, 28).a, 240);
        if (crossed[i] != nullptr) {
            // A spent option hides its resting look completely.
            const SurfacePtr x = loadRgba(crossed[i]);
            ASSERT_TRUE(x);
            EXPECT_GT(pixel(*x, 11, 28).a, 240);
            EXPECT_GT(pixel(*x, 79, 28).a, 240);
        }
    }
}

TEST_F(GameScreenAlignment, RungsLieOnTheLadder) {
    for (int q = 1; q <= rungCount; ++q) {
        const std::string name = std::to_string(questionValue(q)) + ".tga";
        SCOPED_TRACE(name);
        EXPECT_TRUE(dark(pixel(*back, board::rungX - 30, board::rungY(q))));
        const SurfacePtr rung = loadRgba(name);
        ASSERT_TRUE(rung);
        EXPECT_GT(pixel(*rung, 80, 19).a, 240);
        // Rungs do not overlap their neighbours, 41 pixels apart.
        EXPECT_LT(pixel(*rung, 110, 0).a + pixel(*rung, 110, rung->h - 1).a, 2 * 200);
    }
}

// Soft edges must keep their colour: a writer that forgot to undo cairo's
// premultiplied alpha would ring every spark and glow with grey.
TEST(ImageEdges, SoftEdgesKeepTheirColour) {
    const SurfacePtr spark = loadRgba("Firework.tga");
    ASSERT_TRUE(spark);
    int seen = 0;
    for (int y = 0; y < spark->h; ++y) {
        for (int x = 0; x < spark->w; ++x) {
            const Rgba p = pixel(*spark, x, y);
            if (p.a >= 8) {
                ++seen;
                EXPECT_GE(std::min({p.r, p.g, p.b}), 235) << x << "," << y;
            }
        }
    }
    EXPECT_GT(seen, 100);
    EXPECT_LT(pixel(*spark, 0, 0).a, 8);
    EXPECT_GT(pixel(*spark, 8, 8).a, 240);
}

} // namespace
} // namespace qv::test
