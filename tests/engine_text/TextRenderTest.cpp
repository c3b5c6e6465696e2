// SPDX-License-Identifier: MIT
#include "TextFixture.h"

#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"
#include "game/engine/TextDrawable.h"

#include <algorithm>
#include <vector>

namespace qv::test {
namespace {

constexpr std::uint32_t white = 0xFFFFFF;

class TextRender : public TextFixture {
protected:
    // A white text at full colour from its first frame.
    void show(TextDrawable& t, std::u16string_view s, Vec3 at, int fontIndex = 0) {
        t.font = fonts().font(fontIndex);
        ASSERT_NE(t.font, nullptr);
        t.setText(s);
        t.position = at;
        t.fullColour = opaqueWhite;
        t.fadedColour = opaqueWhite;
        t.attach();
        t.start();
    }

    struct Ink {
        int left = 1024, right = -1, top = 768, bottom = -1;
        int whitePixels = 0;
    };
    // Where anything but black was drawn in the rows [top, bottom).
    Ink ink(int top = 0, int bottom = 768) const {
        Ink found;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < 1024; ++x) {
                const std::uint32_t p = pixel(x, y);
                if (p != 0) {
                    found.left = std::min(found.left, x);
                    found.right = std::max(found.right, x);
                    found.top = std::min(found.top, y);
                    found.bottom = std::max(found.bottom, y);
                }
                found.whitePixels += p == white ? 1 : 0;
            }
        }
        return found;
    }

    std::vector<std::uint32_t> screenPixels() const {
        std::vector<std::uint32_t> all;
        all.reserve(1024 * 768);
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                all.push_back(pixel(x, y));
            }
        }
        return all;
    }
};

TEST_F(TextRender, GlyphsLandWhereThePlacementRulePutsThem) {
    TextDrawable t;
    show(t, u"HHHH", {210, 4, 0.5f});
    frame();
    // Starts at 2 × 210; the 30-pixel line is centred on 2 × 4 + 384.
    const int blockTop = 392 - 15;
    const Ink drawn = ink();
    ASSERT_GT(drawn.whitePixels, 100) << "the stems of H are solid white";
    EXPECT_GE(drawn.left, 420);
    EXPECT_LE(drawn.left, 424);
    EXPECT_GE(drawn.top, blockTop);
    EXPECT_LE(drawn.bottom, blockTop + 30);
    EXPECT_EQ(ink(0, blockTop).right, -1) << "nothing above the block";
    // The capital stands on the baseline, in the upper part of the cell.
    EXPECT_LT(drawn.top, 392);
    EXPECT_GT(drawn.bottom, 392);
}

TEST_F(TextRender, OnAScreenDrawnTwiceAsLargeGlyphsAreSharpAndInTheSamePlace) {
    TextDrawable t;
    show(t, u"HHHH Quiz", {210, 4, 0.5f});
    frame();
    const Ink small = ink();
    layer_.reset();
    fonts_->release();
    fonts_.reset();

    SDL_Surface* big = SDL_CreateRGBSurfaceWithFormat(0, 2048, 1536, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(big, nullptr);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(big);
    ASSERT_NE(renderer, nullptr);
    SDL_RenderSetLogicalSize(renderer, 1024, 768);
    {
        SpriteLayer layer(renderer);
        FontSet fonts(renderer);
        fonts.setDrawScale(2.0f);
        TextDrawable sharp;
        sharp.font = fonts.font(0);
        sharp.setText(u"HHHH Quiz");
        sharp.position = {210, 4, 0.5f};
        sharp.fullColour = opaqueWhite;
        sharp.fadedColour = opaqueWhite;
        sharp.attach();
        sharp.start();
        SDL_RenderClear(renderer);
        layer.drawAll(0.016f, std::nullopt, false);
        SDL_RenderFlush(renderer);
        EXPECT_GT(sharp.font->sharpGlyphCount(), 0);
        EXPECT_EQ(sharp.font->drawScale(), 2.0f);

        Ink large;
        large.left = 2048;
        large.top = 1536;
        int solid = 0;
        for (int y = 0; y < 1536; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(big->pixels) + y * big->pitch);
            for (int x = 0; x < 2048; ++x) {
                if ((row[x] & 0xFFFFFF) != 0) {
                    large.left = std::min(large.left, x);
                    large.right = std::max(large.right, x);
                    large.top = std::min(large.top, y);
                    large.bottom = std::max(large.bottom, y);
                }
                solid += (row[x] & 0xFFFFFF) == white ? 1 : 0;
            }
        }
        // The same place and size, to within a pixel of the small screen.
        EXPECT_NEAR(large.left, 2 * small.left, 3);
        EXPECT_NEAR(large.right, 2 * small.right, 4);
        EXPECT_NEAR(large.top, 2 * small.top, 3);
        EXPECT_NEAR(large.bottom, 2 * small.bottom, 4);
        // Rasterised at the larger size, not stretched: about four times the
        // solid pixels of the small frame, with stems drawn at full white.
        EXPECT_GT(solid, 3 * small.whitePixels);

        // Another scale starts the sharp glyphs afresh.
        fonts.setDrawScale(1.5f);
        EXPECT_EQ(sharp.font->sharpGlyphCount(), 0);
        fonts.release();
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(big);
}

TEST_F(TextRender, ATwoLineBlockIsCentredOnItsPosition) {
    TextDrawable one;
    show(one, u"H", {100, 50, 0.5f});
    frame();
    const Ink single = ink();
    ASSERT_GE(single.bottom, 0);

    TextDrawable two;
    one.enabled = false;
    show(two, u"H\r\nH", {100, 50, 0.5f});
    frame();
    const int centre = 50 + 384 + 50;
    const Ink upper = ink(0, centre);
    const Ink lower = ink(centre, 768);
    ASSERT_GE(upper.bottom, 0);
    ASSERT_GE(lower.bottom, 0);
    // One line's cell is [centre - 15, centre + 15); two lines' cells are
    // [centre - 30, centre) and [centre, centre + 30).
    EXPECT_EQ(upper.top, single.top - 15);
    EXPECT_EQ(lower.top, single.top + 15);
    EXPECT_EQ(lower.top - upper.top, 30);
    EXPECT_EQ(upper.left, lower.left);
    EXPECT_EQ(ink(0, centre - 30).right, -1);
    EXPECT_EQ(ink(centre + 30, 768).right, -1);
}

TEST_F(TextRender, ColourTintsAndTheTypewriterHidesLaterLetters) {
    TextDrawable t;
    show(t, u"HHHHHHHHHH", {100, 0, 0.5f});
    t.fullColour = {255, 0, 0, 255};
    t.fadedColour = t.fullColour;
    t.typewriter = true;
    t.secondsPerLetter = 0.125f;
    t.start();
    frame(0.25f);
    frame(0.0f);
    const Ink drawn = ink();
    ASSERT_GE(drawn.right, 0);
    EXPECT_EQ(drawn.whitePixels, 0);
    EXPECT_EQ(pixel(drawn.left + 1, 384) & 0x00FFFF, 0u) << "red only";
    // Two letters of one H each: about two advances of a 30-pixel H.
    EXPECT_LT(drawn.right - drawn.left, 2 * 24);
    EXPECT_GT(drawn.right - drawn.left, 24);
}

TEST_F(TextRender, TextIsDepthSortedWithTheSprites) {
    // A green square in front of half the text, behind the other half.
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, 200, 100, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(image, nullptr);
    SDL_FillRect(image, nullptr, 0xFF00FF00);
    const std::string file = (folder_ / "green.bmp").string();
    ASSERT_EQ(SDL_SaveBMP(image, file.c_str()), 0);
    SDL_FreeSurface(image);

    TextDrawable behind;
    show(behind, u"HHHHHHHHHH", {100, -184, 0.6f}); // centred on y 200
    TextDrawable before;
    show(before, u"HHHHHHHHHH", {100, 116, 0.2f}); // centred on y 616
    Sprite square;
    square.load(layer_->textures(), file);
    square.fullColour = opaqueWhite;
    square.fadedColour = opaqueWhite;
    Sprite lowerSquare;
    lowerSquare.load(layer_->textures(), file);
    lowerSquare.fullColour = opaqueWhite;
    lowerSquare.fadedColour = opaqueWhite;
    square.position = {300, 200, 0.4f};
    lowerSquare.position = {300, 616, 0.4f};
    square.attach();
    square.start();
    lowerSquare.attach();
    lowerSquare.start();
    frame();
    EXPECT_EQ(ink(150, 250).whitePixels, 0) << "the text at 0.6 is hidden";
    EXPECT_GT(ink(566, 666).whitePixels, 50) << "the text at 0.2 is on top";
}

TEST_F(TextRender, TextDrawsAgainAfterTheDeviceIsReset) {
    TextDrawable t;
    show(t, u"HHHH", {210, 4, 0.5f});
    fonts().onDeviceLost();
    frame();
    EXPECT_EQ(ink().right, -1);
    ASSERT_TRUE(fonts().onDeviceReset());
    frame();
    EXPECT_GT(ink().whitePixels, 100);
}

TEST_F(TextRender, ALimitChangesNothingForATextThatFits) {
    TextDrawable t;
    show(t, u"Venice and Genoa\r\ntogether", {40, 138, 0.5f});
    t.typewriter = true;
    t.secondsPerLetter = 0.125f;
    t.start();
    frame(1.0f);
    const auto partial = screenPixels();
    frame(5.0f);
    const auto whole = screenPixels();

    t.maxWidth = 294.0f;
    t.fitFont = fonts().fitFont(0);
    t.fitLines = 3;
    t.start();
    frame(1.0f);
    EXPECT_TRUE(screenPixels() == partial);
    frame(5.0f);
    EXPECT_TRUE(screenPixels() == whole);
}

TEST_F(TextRender, AWideAnswerStaysOnItsPlateAndRevealsInPlace) {
    const std::u16string answer = u"The quick brown fox jumps over a";
    TextDrawable t;
    show(t, answer, {40, 138, 0.5f});
    frame();
    ASSERT_GT(ink().right, 80 + 294) << "unfitted it runs past the plate";

    t.maxWidth = 294.0f;
    t.fitFont = fonts().fitFont(0);
    frame();
    const Ink fitted = ink();
    const auto whole = screenPixels();
    EXPECT_TRUE(fitted.left >= 80 && fitted.left <= 84) << fitted.left;
    EXPECT_LE(fitted.right, 80 + 294);
    // Still on the line centred on y 660.
    EXPECT_GE(fitted.top, 645);
    EXPECT_LE(fitted.bottom, 675);

    // The first letters appear where the whole text puts them.
    t.typewriter = true;
    t.secondsPerLetter = 0.125f;
    t.start();
    frame(1.25f);
    const Ink partial = ink();
    ASSERT_GT(partial.right, 100);
    ASSERT_LT(partial.right, fitted.right - 50);
    for (int y = 640; y < 680; ++y) {
        for (int x = 80; x < partial.right - 4; ++x) {
            ASSERT_EQ(pixel(x, y), whole[static_cast<std::size_t>(y * 1024 + x)]) << x << "," << y;
        }
    }
}

} // namespace
} // namespace qv::test
