// SPDX-License-Identifier: MIT
// The pictures the game loads: present under their exact names, readable by
// the game's image loader, of the sizes the screens place them at.
#include "tests/content/ResourceFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qv::test {
namespace {

struct Size {
    int w, h;
};

Size sizeOf(const std::string& name) {
    const SurfacePtr s = loadRgba(name);
    return s ? Size{s->w, s->h} : Size{0, 0};
}

void expectSize(const std::string& name, int w, int h) {
    const Size s = sizeOf(name);
    EXPECT_EQ(s.w, w) << name;
    EXPECT_EQ(s.h, h) << name;
}

// Every image the game names, with the size its place on screen calls for.
TEST(ImageTree, EveryImageLoadsAtItsSize) {
    expectSize("Back.bmp", 1024, 768);
    expectSize("Backframe.tga", 1024, 768);
    for (const char* n : {"AnswerButtonHilight.tga", "AnswerButtonOn.tga", "AnswerCorrect.tga"}) {
        expectSize(n, 370, 52);
    }
    for (const char* n : {"takewinningsHilight.tga", "takewinningson.tga", "jokerbuttonhilight.tga",
                          "jokerbuttonon.tga", "cluebuttonhilight.tga", "cluebuttonon.tga",
                          "gamblebuttonhilight.tga", "gamblebuttonon.tga", "JokerCrossed.tga",
                          "ClueCrossed.tga", "GambleCrossed.tga"}) {
        expectSize(n, 90, 56);
    }
    for (int v : {100, 200, 300, 500, 1000, 2000, 4000, 8000, 16000, 32000, 64000, 125000, 250000,
                  500000, 1000000}) {
        expectSize(std::to_string(v) + ".tga", 220, 38);
    }
    for (int v : {1000, 2000, 4000, 8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000}) {
        expectSize(std::to_string(v) + "win.tga", 560, 200);
    }
    expectSize("picback.tga", 700, 300);
    for (int n = 1; n <= 4; ++n) {
        expectSize("picholder" + std::to_string(n) + ".tga", 48, 48);
    }
    expectSize("gambleback.tga", 300, 300);
    expectSize("Firework.tga", 16, 16);
    expectSize("mousearrow.tga", 64, 64);
    for (const char* n :
         {"quit.tga", "title2.tga", "newgametitle.tga", "settings.tga", "gameover.tga"}) {
        expectSize(n, 1024, 768);
    }
    expectSize("icon.png", 256, 256);
    EXPECT_GT(sizeOf("gamblepointer.tga").h, 0);
}

// A button's hit box is its image: the three looks must match in size and
// must actually look different.
TEST(ImageTree, ButtonTriplesShareTheirSizeAndDiffer) {
    const struct {
        const char* base;
        int w, h;
    } buttons[] = {{"playagainbutton", 320, 44},  {"newgamebutton", 320, 44},
                   {"settingsbutton", 320, 44},   {"upbutton", 80, 48},
                   {"downbutton", 80, 48},        {"okbutton", 160, 48},
                   {"offbutton", 64, 40},         {"onbutton", 64, 40},
                   {"changeqsetbutton", 200, 44}, {"endbutton", 200, 56}};
    for (const auto& b : buttons) {
        std::vector<SurfacePtr> looks;
        for (const char* suffix : {"off.tga", "hilight.tga", "on.tga"}) {
            looks.push_back(loadRgba(std::string(b.base) + suffix));
            ASSERT_TRUE(looks.back()) << b.base << suffix;
            EXPECT_EQ(looks.back()->w, b.w) << b.base << suffix;
            EXPECT_EQ(looks.back()->h, b.h) << b.base << suffix;
        }
        for (int i = 0; i < 3; ++i) {
            const SDL_Surface& x = *looks[static_cast<std::size_t>(i)];
            const SDL_Surface& y = *looks[static_cast<std::size_t>((i + 1) % 3)];
            long difference = 0;
            for (int py = 0; py < x.h && py < y.h; ++py) {
                for (int px = 0; px < x.w && px < y.w; ++px) {
                    const Rgba a = pixel(x, px, py);
                    const Rgba c = pixel(y, px, py);
                    difference += std::abs(a.r - c.r) + std::abs(a.g - c.g) + std::abs(a.b - c.b);
                }
            }
            EXPECT_GT(difference / (x.w * x.h), 10) << b.base << " looks " << i << " alike";
        }
    }
}

// SDL2_image reads TGA by the file name alone; uncompressed 32-bit with an
// alpha channel is what every loader handles, and the BMPs are 24-bit.
TEST(ImageTree, FileFormatsAreThePlainOnes) {
    for (const char* n : {"Backframe.tga", "AnswerButtonHilight.tga", "100.tga", "mousearrow.tga",
                          "quit.tga", "okbuttonoff.tga", "Firework.tga"}) {
        const auto bytes = readBytes(resourcePath(n));
        ASSERT_TRUE(bytes) << n;
        const auto header = readTgaHeader(*bytes);
        ASSERT_TRUE(header) << n;
        EXPECT_EQ(header->bitsPerPixel, 32) << n;
        EXPECT_EQ(header->alphaBits, 8) << n;
        EXPECT_FALSE(header->compressed) << n;
    }
    for (const char* n : {"Back.bmp", "big.bmp"}) {
        const auto bytes = readBytes(resourcePath(n));
        ASSERT_TRUE(bytes) << n;
        const auto header = readBmpHeader(*bytes);
        ASSERT_TRUE(header) << n;
        EXPECT_EQ(header->bitsPerPixel, 24) << n;
        EXPECT_FALSE(header->compressed) << n;
    }
}

// The pointer sprite is placed by its centre, so the arrow's tip is the
// centre pixel and nothing of the arrow lies above or left of it.
TEST(ImageTree, ArrowTipIsAtTheImageCentre) {
    const SurfacePtr arrow = loadRgba("mousearrow.tga");
    ASSERT_TRUE(arrow);
    const int cx = arrow->w / 2;
    const int cy = arrow->h / 2;
    EXPECT_GE(pixel(*arrow, cx, cy).a, 200);
    for (int y = 0; y < arrow->h; ++y) {
        for (int x = 0; x < arrow->w; ++x) {
            if (x < cx - 2 || y < cy - 2) {
                ASSERT_LT(pixel(*arrow, x, y).a, 16) << x << "," << y;
            }
        }
    }
}

// The menus draw big.bmp 3.4 times its size turning about the screen's
// top-left corner: its inscribed circle must reach the far corner.
TEST(ImageTree, MenuBackdropCoversTheScreenAtEveryAngle) {
    const Size s = sizeOf("big.bmp");
    EXPECT_GE(3.4 * std::min(s.w, s.h) / 2.0, std::hypot(1024.0, 768.0));
    EXPECT_EQ(sizeOf("title2.tga").w, sizeOf("newgametitle.tga").w);
    EXPECT_EQ(sizeOf("title2.tga").h, sizeOf("newgametitle.tga").h);
}

// The game screen's background is multiplied by a cycling colour: the open
// stage must be light and close to grey so that the colour shows.
TEST(ImageTree, GameBackgroundIsLightAndNeutral) {
    const SurfacePtr back = loadRgba("Back.bmp");
    ASSERT_TRUE(back);
    for (const auto& [x, y] : {std::pair{399, 365}, std::pair{200, 300}, std::pair{600, 420}}) {
        const Rgba p = pixel(*back, x, y);
        EXPECT_GE(std::min({p.r, p.g, p.b}), 150) << x << "," << y;
        EXPECT_LE(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 24) << x << "," << y;
    }
}

// The wheel wins unless the pointer ends in the lower half: the disc must
// say so with mint above and crimson below, and the needle must point up.
TEST(ImageTree, WheelWinsAboveAndPointerPointsUp) {
    const SurfacePtr disc = loadRgba("gambleback.tga");
    ASSERT_TRUE(disc);
    const Rgba upper = pixel(*disc, disc->w / 2 + 40, disc->h / 2 - 30);
    const Rgba lower = pixel(*disc, disc->w / 2 + 40, disc->h / 2 + 30);
    EXPECT_GT(upper.g, upper.r + 60);
    EXPECT_GT(lower.r, lower.g + 60);

    const SurfacePtr needle = loadRgba("gamblepointer.tga");
    ASSERT_TRUE(needle);
    int top = needle->h;
    int bottom = -1;
    for (int y = 0; y < needle->h; ++y) {
        if (pixel(*needle, needle->w / 2, y).a > 128) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(bottom, 0);
    EXPECT_GT(needle->h / 2 - top, 2 * (bottom - needle->h / 2));
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

int maxAlphaInRows(const SDL_Surface& s, int fromRow, int toRow) {
    int most = 0;
    for (int y = std::max(0, fromRow); y < std::min(s.h, toRow); ++y) {
        for (int x = 0; x < s.w; ++x) {
            most = std::max(most, pixel(s, x, y).a);
        }
    }
    return most;
}

// The title art lies over the menu; the three menu buttons start at y 578.
TEST(ScreenArt, TitleArtLeavesTheMenuClear) {
    const SurfacePtr title = loadRgba("title2.tga");
    ASSERT_TRUE(title);
    EXPECT_LT(maxAlphaInRows(*title, 440, title->h), 8);
    EXPECT_GT(maxAlphaInRows(*title, 100, 300), 240);
}

// The banner sits at y 364 and the end button at y 480, 56 high: the
// banner's panel must end above the button. The amount is drawn on it at run
// time, in the player's language, so the art is the same for every amount.
TEST(ScreenArt, PrizeBannersClearTheEndButton) {
    std::vector<SurfacePtr> banners;
    for (int v : {1000, 2000, 4000, 8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000}) {
        banners.push_back(loadRgba(std::to_string(v) + "win.tga"));
        ASSERT_TRUE(banners.back()) << v;
        const SDL_Surface& b = *banners.back();
        const int buttonTop = 480 - 28 - (364 - b.h / 2);
        EXPECT_LT(maxAlphaInRows(b, buttonTop, b.h), 200) << v;
    }
}

// The quit question darkens the screen without hiding it, and its own panel
// is solid.
TEST(ScreenArt, QuitOverlayDarkensAroundASolidQuestion) {
    const SurfacePtr quit = loadRgba("quit.tga");
    ASSERT_TRUE(quit);
    const Rgba corner = pixel(*quit, 10, 10);
    EXPECT_GT(corner.a, 100);
    EXPECT_LT(corner.a, 230);
    EXPECT_LT(std::max({corner.r, corner.g, corner.b}), 40);
    EXPECT_EQ(pixel(*quit, 512, 384).a, 255);
}

} // namespace
} // namespace qv::test
