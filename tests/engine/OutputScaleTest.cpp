// SPDX-License-Identifier: MIT
// Drawing the 1024 x 768 screen into a 1920 x 1080 output on the software
// renderer: the kept still back of the frame and the pictures prepared at
// their output size must give the frames SDL draws itself, and the screen
// must sit where SDL put it.

#include "EngineFixture.h"

#include "game/engine/ScaledCopies.h"
#include "game/engine/SpriteBatch.h"
#include "game/engine/TextureCache.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace qv::test {
namespace {

constexpr Rgba red{255, 0, 0, 255};
constexpr Rgba blue{0, 0, 255, 255};

// One output with its own renderer, pictures and batch.
struct Output {
    Output(int width, int height, bool cleared, bool copies) {
        surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        SDL_RenderSetLogicalSize(renderer, 1024, 768);
        float scale = 1.0f;
        SDL_RenderGetScale(renderer, &scale, &scale);
        textures = std::make_unique<TextureCache>(renderer);
        textures->setDrawScale(scale);
        batch = std::make_unique<SpriteBatch>(renderer);
        batch->setFrameCleared(cleared);
        batch->setScaledCopies(copies);
    }
    ~Output() {
        batch.reset();
        pictures.clear();
        textures.reset();
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }

    // The picture, held for the output's life as a screen's sprites hold
    // theirs.
    TextureHandle picture(const std::string& path) {
        TextureHandle& held = pictures[path];
        if (!held) {
            held = textures->load(path);
        }
        return held;
    }

    struct Item {
        TextureHandle picture;
        Vec3 position;
        Colour colour;
    };
    void frame(const std::vector<Item>& items) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        batch->begin();
        for (const Item& item : items) {
            batch->nextGroup();
            const SourceRect all{0, 0, item.picture->width() - 1, item.picture->height() - 1};
            const Vec3 centre{static_cast<float>(all.right / 2), static_cast<float>(all.bottom / 2),
                              0.0f};
            batch->draw(item.picture, all, centre, item.position, item.colour);
        }
        batch->end();
        SDL_RenderFlush(renderer);
    }
    std::uint32_t at(int x, int y) const {
        return static_cast<const std::uint32_t*>(
            surface->pixels)[static_cast<std::size_t>(y) * (surface->pitch / 4) + x];
    }
    // The largest difference of a channel's mean over any block of
    // block x block output pixels: filtering moves single pixels at sharp
    // edges, a picture drawn wrong moves whole blocks.
    int blockDifference(const Output& other, int block) const {
        int worst = 0;
        for (int by = 0; by + block <= surface->h; by += block) {
            for (int bx = 0; bx + block <= surface->w; bx += block) {
                for (int shift = 0; shift < 24; shift += 8) {
                    long sum = 0;
                    for (int y = by; y < by + block; ++y) {
                        for (int x = bx; x < bx + block; ++x) {
                            sum += static_cast<long>((at(x, y) >> shift) & 0xFFu) -
                                   static_cast<long>((other.at(x, y) >> shift) & 0xFFu);
                        }
                    }
                    worst = std::max(worst, static_cast<int>(std::labs(sum) / (block * block)));
                }
            }
        }
        return worst;
    }
    // Channels differing by more than the tolerance, over the whole output.
    int differences(const Output& other, int tolerance) const {
        int count = 0;
        for (int y = 0; y < surface->h; ++y) {
            for (int x = 0; x < surface->w; ++x) {
                const std::uint32_t a = at(x, y);
                const std::uint32_t b = other.at(x, y);
                for (int shift = 0; shift < 24; shift += 8) {
                    const int d = static_cast<int>((a >> shift) & 0xFFu) -
                                  static_cast<int>((b >> shift) & 0xFFu);
                    count += std::abs(d) > tolerance ? 1 : 0;
                }
            }
        }
        return count;
    }

    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<TextureCache> textures;
    std::unique_ptr<SpriteBatch> batch;
    std::map<std::string, TextureHandle> pictures;
};

class OutputScale : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        std::filesystem::create_directories(folder_ / "2x");
        // A smooth backdrop (filtering and the nearest texel agree closely
        // on it), a translucent panel and a small opaque square, each with
        // its twice-sized copy.
        const auto backdrop = [](int x, int y, int k) {
            return Rgba{static_cast<std::uint8_t>(x / (4 * k)),
                        static_cast<std::uint8_t>(y / (3 * k)), 120, 255};
        };
        back_ = writeImage("back.bmp", 1024, 768, [&](int x, int y) { return backdrop(x, y, 1); });
        writeImage("2x/back.bmp", 2048, 1536, [&](int x, int y) { return backdrop(x, y, 2); });
        // Its wider copy for the bars beside the screen, as the game's own
        // backdrop has.
        std::filesystem::create_directories(folder_ / "wide");
        writeImage("wide/back.bmp", 1424, 768,
                   [&](int x, int y) { return backdrop(std::abs(x - 200), y, 1); });
        panel_ = writeSolid("panel.bmp", 300, 200, Rgba{200, 180, 40, 160});
        writeSolid("2x/panel.bmp", 600, 400, Rgba{200, 180, 40, 160});
        square_ = writeSolid("square.bmp", 40, 40, red);
        writeSolid("2x/square.bmp", 80, 80, red);
    }

    std::vector<Output::Item> scene(Output& out, int frame, Colour backColour) {
        // The backdrop covers the screen from its top-left corner (its centre
        // is its texel 511, 383).
        return {{out.picture(back_), {511.0f, 383.0f, 1.0f}, backColour},
                {out.picture(panel_), {300.0f, 300.0f, 0.8f}, Colour{255, 255, 255, 203}},
                {out.picture(square_),
                 {100.0f + 7.0f * static_cast<float>(frame), 500.0f, 0.2f},
                 opaqueWhite}};
    }

    std::string back_;
    std::string panel_;
    std::string square_;
};

TEST_F(OutputScale, KeptStillBackGivesTheFramesDrawnInFull) {
    Output kept(1920, 1080, true, false);
    Output drawn(1920, 1080, false, false);
    const Colour dim{255, 255, 255, 200};
    int keptFrames = 0;
    for (int frame = 0; frame < 16; ++frame) {
        // From frame 8 the backdrop changes colour every frame, then stays.
        const Colour back = frame >= 8 && frame < 11
                                ? Colour{255, static_cast<std::uint8_t>(200 - 10 * frame), 255, 200}
                                : dim;
        if (frame == 13) {
            // The pictures are loaded again (a device reset): new textures.
            kept.batch->forgetCopies();
            kept.textures->reloadAll();
            drawn.textures->reloadAll();
        }
        kept.frame(scene(kept, frame, back));
        drawn.frame(scene(drawn, frame, back));
        ASSERT_EQ(kept.differences(drawn, 0), 0) << "frame " << frame;
        keptFrames += kept.batch->keptQuadCount() > 0 ? 1 : 0;
        if (frame == 5) {
            EXPECT_EQ(kept.batch->keptQuadCount(), 2)
                << "the backdrop and the panel, still for three frames, are kept";
        }
        if (frame == 9) {
            EXPECT_EQ(kept.batch->keptQuadCount(), 0) << "the backdrop is changing";
        }
    }
    EXPECT_GE(keptFrames, 4);
}

TEST_F(OutputScale, PreparedCopiesLandWhereSdlDrawsAndLookTheSame) {
    Output prepared(1920, 1080, true, true);
    Output scaled(1920, 1080, false, false);
    // Copies are made from the sixth frame on, the panel's colour baked in
    // from then as well. The backdrop flickers, so the frame has no still
    // back to keep: every picture is drawn, the backdrop darkened onto the
    // black frame.
    for (int frame = 0; frame < 10; ++frame) {
        const Colour back{255, 255, 255, static_cast<std::uint8_t>(200 + frame % 2)};
        prepared.frame(scene(prepared, frame, back));
        scaled.frame(scene(scaled, frame, back));
        // Pictures of flat colour and smooth gradients: filtering instead of
        // taking the nearest texel, baking colours in and darkening the
        // backdrop instead of blending it move a channel by two levels at
        // most, and every edge lands on the same pixel.
        EXPECT_EQ(prepared.differences(scaled, 2), 0) << "frame " << frame;
    }
    ASSERT_NE(prepared.batch->scaledCopies(), nullptr);
    // The backdrop (white; its colour is applied as it is drawn) and the
    // panel with its colour baked in; the square moves, but keeps its size.
    EXPECT_EQ(prepared.batch->scaledCopies()->count(), 3);
    // The square's left edge: at 144 (its centre at 163 is its texel 19),
    // 1.40625 times that from the screen's left edge at 240.
    const int left = 240 + static_cast<int>(144.0f * 1.40625f);
    EXPECT_EQ(prepared.at(left + 2, 703) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_NE(prepared.at(left - 2, 703) & 0xFFFFFFu, 0xFF0000u);
}

TEST_F(OutputScale, TheScreenStaysWhereTheLogicalSizePutItAfterTheBars) {
    Output out(1920, 1080, true, true);
    const TextureHandle square = out.textures->load(square_);
    const TextureHandle back = out.textures->load(back_);
    for (int frame = 0; frame < 2; ++frame) {
        // The square's left edge (its centre is its texel 19) on the
        // screen's left edge.
        out.frame({{back, {511.0f, 383.0f, 1.0f}, opaqueWhite},
                   {square, {19.0f, 19.0f, 0.5f}, opaqueWhite}});
        EXPECT_EQ(out.at(240, 10) & 0xFFFFFFu, 0xFF0000u) << "frame " << frame;
        EXPECT_NE(out.at(239, 10) & 0xFFFFFFu, 0xFF0000u) << "frame " << frame;
        // No black column between the bar and the screen.
        EXPECT_NE(out.at(239, 500) & 0xFFFFFFu, 0u) << "frame " << frame;
    }
    SDL_Rect viewport{};
    SDL_RenderGetViewport(out.renderer, &viewport);
    EXPECT_EQ(viewport.x, 170);
}

// The backdrop leaves out its picture's last column and row, as every
// sprite does; scaled up, that edge of the screen once stayed black between
// the screen and the bar beside it.
TEST_F(OutputScale, TheBackdropReachesTheScreensLastColumnAndRowAndTheBarsGoOnFromThere) {
    for (const auto& [width, height, left] :
         {std::tuple{1920, 1080, 240}, std::tuple{2560, 1440, 320}}) {
        for (const bool copies : {true, false}) {
            Output out(width, height, true, copies);
            const TextureHandle back = out.textures->load(back_);
            const int right = width - left;
            for (int frame = 0; frame < ScaledCopies::steadyFrames + 2; ++frame) {
                out.frame({{back, {511.0f, 383.0f, 1.0f}, opaqueWhite}});
                const std::string where = std::to_string(width) + " x " + std::to_string(height) +
                                          (copies ? ", copies" : "") + ", frame " +
                                          std::to_string(frame);
                for (int y : {0, height / 2, height - 2, height - 1}) {
                    for (int x : {left - 1, left, right - 2, right - 1, right}) {
                        EXPECT_NE(out.at(x, y) & 0xFFFFFFu, 0u)
                            << where << " at " << x << ", " << y;
                    }
                }
                for (int x = left; x < right; x += 7) {
                    EXPECT_NE(out.at(x, height - 1) & 0xFFFFFFu, 0u) << where << " at " << x;
                }
                // The last column is the picture's last, not a bar's: its
                // red (a quarter of x) is the screen's right edge's.
                EXPECT_GE((out.at(right - 1, height / 2) >> 16) & 0xFFu, 250u) << where;
            }
        }
    }
}

TEST(ScaledCopiesResample, KeepsColoursAndDoesNotBleedThroughTransparency) {
    // A 4 x 2 picture: opaque blue on the left half, fully transparent red
    // on the right.
    const std::uint32_t pixels[8] = {0xFF0000FFu, 0xFF0000FFu, 0x00FF0000u, 0x00FF0000u,
                                     0xFF0000FFu, 0xFF0000FFu, 0x00FF0000u, 0x00FF0000u};
    std::uint32_t half[2] = {};
    ScaledCopies::resample(pixels, 16, SDL_Rect{0, 0, 4, 2}, half, 2, 1,
                           SDL_Color{255, 255, 255, 255});
    EXPECT_EQ(half[0], 0xFF0000FFu);
    EXPECT_EQ(half[1] >> 24, 0u);

    // Enlarged 3 times: the edge pixel is part blue, never red.
    std::vector<std::uint32_t> big(12 * 6);
    ScaledCopies::resample(pixels, 16, SDL_Rect{0, 0, 4, 2}, big.data(), 12, 6,
                           SDL_Color{255, 255, 255, 255});
    for (std::uint32_t p : big) {
        if ((p >> 24) != 0) {
            EXPECT_EQ((p >> 16) & 0xFFu, 0u) << std::hex << p;
            EXPECT_EQ(p & 0xFFu, 0xFFu) << std::hex << p;
        }
    }

    // A colour is multiplied in, alpha included.
    std::uint32_t tinted = 0;
    ScaledCopies::resample(pixels, 16, SDL_Rect{0, 0, 2, 2}, &tinted, 1, 1,
                           SDL_Color{255, 255, 128, 102});
    EXPECT_EQ(tinted >> 24, 102u);
    EXPECT_NEAR(static_cast<int>(tinted & 0xFFu), 128, 1);

    // A source rectangle inside a larger picture reads only that part.
    std::uint32_t right = 0;
    ScaledCopies::resample(pixels, 16, SDL_Rect{2, 0, 2, 2}, &right, 1, 1,
                           SDL_Color{255, 255, 255, 255});
    EXPECT_EQ(right >> 24, 0u);
}

TEST_F(OutputScale, CopiesGoWhenIdleAndStayWithinTheirBudget) {
    Output out(1920, 1080, true, true);
    const TextureHandle square = out.textures->load(square_);
    const ScaledCopies& copies = *out.batch->scaledCopies();
    for (int i = 0; i < ScaledCopies::steadyFrames; ++i) {
        EXPECT_EQ(copies.count(), 0) << "a copy once the size has held for a few frames";
        out.frame({{square, {100.0f, 100.0f, 0.5f}, opaqueWhite}});
    }
    EXPECT_EQ(copies.count(), 1);
    // 39 logical pixels (a sprite leaves out its last row and column) at
    // 1.40625, in whole pixels.
    EXPECT_EQ(copies.bytes(), std::size_t{54 * 54 * 4});
    for (std::uint64_t i = 0; i <= ScaledCopies::idleFrames + 1; ++i) {
        out.frame({});
    }
    EXPECT_EQ(copies.count(), 0);
    EXPECT_EQ(copies.bytes(), 0u);
}

// Every button of the product in every state (its resting, pointed-at and
// pressed pictures), at every step of a fade, drawn through the prepared
// copies as through SDL's own scaling at the wide sizes: a picture drawn
// from a copy with a colour baked in must never come out as a blank shape.
TEST_F(OutputScale, EveryButtonStateDrawsThroughPreparedCopiesAsSdlDrawsIt) {
    const std::filesystem::path resources = std::filesystem::path(QV_PRODUCT_DIR) / "Resources";
    std::vector<std::string> buttons;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(resources, error)) {
        std::string name = entry.path().filename().string();
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower.ends_with(".tga") &&
            (lower.find("button") != std::string::npos || lower.starts_with("takewinnings"))) {
            buttons.push_back("Resources//" + name);
        }
    }
    std::sort(buttons.begin(), buttons.end());
    ASSERT_GE(buttons.size(), 30u) << resources;
    // The pictures are named as the game names them, from the product folder.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(resources.parent_path());
    for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{2560, 1440}}) {
        // No still back: every frame draws every button, from its copies.
        Output prepared(width, height, false, true);
        Output scaled(width, height, false, false);
        // A fade in of a button from transparent white, then its pressed
        // look held: each colour is held long enough to be baked in.
        for (const std::uint8_t alpha : {255, 0, 24, 128, 200, 255}) {
            for (int frame = 0; frame < ScaledCopies::steadyFrames + 2; ++frame) {
                for (Output* out : {&prepared, &scaled}) {
                    std::vector<Output::Item> items;
                    for (std::size_t i = 0; i < buttons.size(); ++i) {
                        const float x = 200.0f + 420.0f * static_cast<float>(i % 2);
                        const float y = 30.0f + 38.0f * static_cast<float>(i / 2);
                        items.push_back(
                            {out->picture(buttons[i]), {x, y, 0.5f}, Colour{255, 255, 255, alpha}});
                    }
                    out->frame(items);
                }
                // Filtered instead of the nearest texel, sharp labels and
                // thin rims differ pixel by pixel (the nearest texel skips
                // some rows of a rim); over blocks of 16 x 16 pixels the
                // means stay within a few levels, where a blank shape in
                // place of a button moves them by a hundred and more.
                ASSERT_LE(prepared.blockDifference(scaled, 16), 8)
                    << width << " x " << height << ", alpha " << int{alpha} << ", frame " << frame;
            }
        }
        ASSERT_NE(prepared.batch->scaledCopies(), nullptr);
        EXPECT_GT(prepared.batch->scaledCopies()->count(), 0);
    }
    std::filesystem::current_path(before);
}

} // namespace
} // namespace qv::test
