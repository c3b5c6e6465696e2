// SPDX-License-Identifier: MIT
// Pictures on screens drawn larger than the logical screen: twice-sized
// copies taken above the threshold and only where they fit, and the bars
// beside a 4:3 screen in a wider window.

#include "EngineFixture.h"

#include "game/engine/Sprite.h"
#include "game/engine/TextureCache.h"

namespace qv::test {
namespace {

constexpr Rgba red{255, 0, 0, 255};
constexpr Rgba green{0, 255, 0, 255};
constexpr Rgba blue{0, 0, 255, 255};
constexpr Rgba yellow{255, 255, 0, 255};

class Detail : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        std::filesystem::create_directories(folder_ / "2x");
        std::filesystem::create_directories(folder_ / "wide");
    }
};

TEST_F(Detail, TwiceSizedCopiesStandInAboveTheThresholdOnlyWhenTheyAreExactlyTwice) {
    const std::string picture = writeSolid("pic.bmp", 10, 6, red);
    writeSolid("2x/pic.bmp", 20, 12, green);
    const std::string odd = writeSolid("odd.bmp", 10, 6, red);
    writeSolid("2x/odd.bmp", 21, 12, green);
    const std::string alone = writeSolid("alone.bmp", 10, 6, red);

    TextureCache& cache = layer_->textures();
    const TextureHandle pic = cache.load(picture);
    const TextureHandle oddPic = cache.load(odd);
    const TextureHandle alonePic = cache.load(alone);
    ASSERT_TRUE(pic && oddPic && alonePic);
    EXPECT_EQ(pic->detail(), 1);

    cache.setDrawScale(1.25f);
    EXPECT_EQ(pic->detail(), 1) << "at the threshold the picture itself is enough";
    cache.setDrawScale(1.4f);
    EXPECT_EQ(pic->detail(), 2);
    EXPECT_EQ(pic->width(), 10) << "the picture's own size places the sprite";
    EXPECT_EQ(pic->height(), 6);
    EXPECT_EQ(oddPic->detail(), 1) << "a copy of another size is not taken";
    EXPECT_EQ(alonePic->detail(), 1);
    EXPECT_NE(alonePic->get(), nullptr);
    EXPECT_EQ(cache.detailBytes(), std::size_t{10 * 6 * 16});

    // Drawn at its own size, from the copy.
    Sprite sprite;
    sprite.load(cache, picture);
    sprite.position = {100.0f, 100.0f, 0.5f};
    sprite.fullColour = opaqueWhite;
    sprite.fadedColour = opaqueWhite;
    layer_->add(sprite);
    sprite.start();
    clear();
    layer_->drawAll(0.016f, std::nullopt, false);
    EXPECT_EQ(pixel(98, 100).g, 255);
    EXPECT_EQ(pixel(98, 100).r, 0);
    EXPECT_EQ(pixel(106, 100).g, 0) << "no wider than the picture";

    cache.setDrawScale(1.0f);
    EXPECT_EQ(pic->detail(), 1);
    EXPECT_EQ(cache.detailBytes(), 0u);
}

TEST_F(Detail, CopiesPastTheBudgetLoadAtTheirOwnSize) {
    // Each 1024 x 1024 picture's copy takes 16 MB: eight fit the budget.
    TextureCache& cache = layer_->textures();
    cache.setDrawScale(2.0f);
    std::vector<TextureHandle> held;
    int detailed = 0;
    for (int i = 0; i < 10; ++i) {
        const std::string name = "big" + std::to_string(i) + ".bmp";
        const std::string path = writeSolid(name, 1024, 1024, red);
        writeSolid("2x/" + name, 2048, 2048, green);
        held.push_back(cache.load(path));
        ASSERT_TRUE(held.back());
        detailed += held.back()->detail() == 2 ? 1 : 0;
    }
    EXPECT_EQ(detailed, 8);
    EXPECT_LE(cache.detailBytes(), TextureCache::detailBudgetBytes);
    // A picture let go gives its share back.
    held.front().reset();
    const std::string next = writeSolid("next.bmp", 1024, 1024, red);
    writeSolid("2x/next.bmp", 2048, 2048, green);
    EXPECT_EQ(cache.load(next)->detail(), 2);
}

// A 1366 x 768 window around the 1024 x 768 screen: bars of 171 pixels.
class Bars : public Detail {
protected:
    void SetUp() override {
        Detail::SetUp();
        wide_ = SDL_CreateRGBSurfaceWithFormat(0, 1366, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(wide_, nullptr);
        layer_.reset();
        wideRenderer_ = SDL_CreateSoftwareRenderer(wide_);
        ASSERT_NE(wideRenderer_, nullptr);
        SDL_RenderSetLogicalSize(wideRenderer_, 1024, 768);
        layer_ = std::make_unique<SpriteLayer>(wideRenderer_);
    }
    void TearDown() override {
        layer_.reset();
        SDL_DestroyRenderer(wideRenderer_);
        SDL_FreeSurface(wide_);
        Detail::TearDown();
    }

    Rgba drawBackdrop(const std::string& path, int x) {
        Sprite back;
        back.load(layer_->textures(), path);
        back.position = {512.0f, 384.0f, 1.0f};
        back.fullColour = opaqueWhite;
        back.fadedColour = opaqueWhite;
        layer_->add(back);
        back.start();
        SDL_SetRenderDrawColor(wideRenderer_, 0, 0, 0, 255);
        SDL_RenderClear(wideRenderer_);
        layer_->drawAll(0.016f, std::nullopt, false);
        SDL_RenderFlush(wideRenderer_);
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(wide_->pixels) + 300 * wide_->pitch);
        Rgba c{};
        SDL_GetRGBA(row[x], wide_->format, &c.r, &c.g, &c.b, &c.a);
        layer_->removeAll();
        return c;
    }

    SDL_Surface* wide_ = nullptr;
    SDL_Renderer* wideRenderer_ = nullptr;
};

TEST_F(Bars, TheBackdropCarriesOnIntoTheBars) {
    // Red along its left edge: mirrored, the bar beside the edge is red too.
    const std::string edged =
        writeImage("edged.bmp", 1024, 768, [](int x, int) { return x < 100 ? red : blue; });
    EXPECT_EQ(drawBackdrop(edged, 160).r, 255);
    EXPECT_EQ(drawBackdrop(edged, 20).b, 255) << "mirrored, further out comes the blue";
    EXPECT_EQ(drawBackdrop(edged, 1300).b, 255);

    // With a wider copy beside it, the bars show that copy's sides.
    const std::string back = writeSolid("back.bmp", 1024, 768, blue);
    writeSolid("wide/back.bmp", 1400, 768, yellow);
    ASSERT_NE(layer_->textures().load(back)->edges(), nullptr);
    const Rgba left = drawBackdrop(back, 20);
    EXPECT_EQ(left.r, 255);
    EXPECT_EQ(left.g, 255);
    EXPECT_EQ(drawBackdrop(back, 1350).g, 255);
    EXPECT_EQ(drawBackdrop(back, 600).b, 255) << "the screen shows the picture itself";

    // A wider copy of another height is not taken.
    const std::string other = writeSolid("other.bmp", 1024, 768, blue);
    writeSolid("wide/other.bmp", 1400, 700, yellow);
    EXPECT_EQ(layer_->textures().load(other)->edges(), nullptr);
}

} // namespace
} // namespace qv::test
