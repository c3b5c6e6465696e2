// SPDX-License-Identifier: MIT
// A button's label drawn on its plate at 1920 x 1080 on the software
// renderer: in each button state the frame drawn from the prepared copies
// matches SDL's own scaling, and the label's letters are there (the plate
// with its label differs from the bare plate where the words stand).

#include "game/engine/FontSet.h"
#include "game/engine/Sprite.h"
#include "game/engine/SpriteLayer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace qv::test {
namespace {

// One frame of the product's New Game button in `state`, with or without
// its label, drawn through the copies or through SDL's scaling; the pixels.
std::vector<std::uint32_t> drawButton(int state, bool label, bool copies) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, 1920, 1080, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    SDL_RenderSetLogicalSize(renderer, 1024, 768);
    float scale = 1.0f;
    SDL_RenderGetScale(renderer, &scale, &scale);
    std::vector<std::uint32_t> pixels;
    {
        auto layer = std::make_unique<SpriteLayer>(renderer);
        layer->textures().setDrawScale(scale);
        layer->batch()->setFrameCleared(false);
        layer->batch()->setScaledCopies(copies);
        auto fonts = std::make_unique<FontSet>(renderer);
        fonts->setDrawScale(scale);
        Sprite button;
        button.load(layer->textures(), "Resources//newgamebuttonoff.tga",
                    "Resources//newgamebuttonhilight.tga", "Resources//newgamebuttonon.tga");
        button.position = Vec3{512.0f, 384.0f, 0.3f};
        button.keepPressedLook = state == 2;
        if (label) {
            LabelLook look;
            look.colours = {Colour{255, 242, 214, 255}, opaqueWhite, Colour{255, 242, 214, 255}};
            look.shadows = {Colour{6, 11, 19, 204}, Colour{160, 48, 40, 230},
                            Colour{160, 48, 40, 230}};
            button
                .addPlateLabel(fonts->font(FontSet::labelFont), fonts->fitFont(FontSet::labelFont),
                               12.0f, look)
                .setText(u"NEW GAME");
        }
        button.attach();
        button.start();
        // Pointed at for a hilight; clicked for the pressed look, kept.
        const Vec3 on{512.0f, 384.0f, 0.0f};
        const Vec3 off{-50.0f, -50.0f, 0.0f};
        for (int frame = 0; frame < 12; ++frame) {
            SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
            SDL_RenderClear(renderer);
            layer->drawAll(0.05f, state == 0 ? off : on, state == 2 && frame == 2);
            SDL_RenderFlush(renderer);
        }
        const auto* data = static_cast<const std::uint32_t*>(surface->pixels);
        for (int y = 0; y < surface->h; ++y) {
            pixels.insert(pixels.end(), data + y * (surface->pitch / 4),
                          data + y * (surface->pitch / 4) + surface->w);
        }
        fonts->release();
        layer.reset();
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    return pixels;
}

// The largest mean difference of one channel over blocks of 16 x 16.
int blockDifference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    int worst = 0;
    for (int by = 0; by + 16 <= 1080; by += 16) {
        for (int bx = 0; bx + 16 <= 1920; bx += 16) {
            for (int shift = 0; shift < 24; shift += 8) {
                long sum = 0;
                for (int y = by; y < by + 16; ++y) {
                    for (int x = bx; x < bx + 16; ++x) {
                        const auto at = static_cast<std::size_t>(y * 1920 + x);
                        sum += static_cast<long>((a[at] >> shift) & 0xFFu) -
                               static_cast<long>((b[at] >> shift) & 0xFFu);
                    }
                }
                worst = std::max(worst, static_cast<int>(std::labs(sum) / 256));
            }
        }
    }
    return worst;
}

TEST(LabelRender, EveryButtonStateDrawsItsLabelThroughCopiesAsSdlDrawsIt) {
    const std::filesystem::path product(QV_PRODUCT_DIR);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(product);
    std::vector<std::vector<std::uint32_t>> looks;
    for (int state : {0, 1, 2}) {
        const auto prepared = drawButton(state, true, true);
        const auto scaled = drawButton(state, true, false);
        looks.push_back(scaled);
        const auto bare = drawButton(state, false, false);
        ASSERT_EQ(prepared.size(), scaled.size());
        EXPECT_LE(blockDifference(prepared, scaled), 8) << "state " << state;
        // The words change the plate by far more than the paths differ.
        EXPECT_GE(blockDifference(scaled, bare), 40) << "state " << state << ": no label";
    }
    // The three states look apart.
    EXPECT_GE(blockDifference(looks[0], looks[1]), 20);
    EXPECT_GE(blockDifference(looks[1], looks[2]), 20);
    std::filesystem::current_path(before);
}

} // namespace
} // namespace qv::test
