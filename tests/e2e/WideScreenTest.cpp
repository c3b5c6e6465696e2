// SPDX-License-Identifier: MIT
// Showfloor in a 1920 x 1080 window: the shot holds the whole window, the
// bars beside the 4:3 screen show its backdrop, the pointer stays on the
// screen, and text and pictures are drawn sharper than the 1024 x 768 frame
// scaled up. The screen is covered to its last column and row at 1920 x 1080
// and 2560 x 1440, and the quit question dims the bars with it.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/E2eFiles.h"
#include "tests/support/ShowfloorSession.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// A shot as grey levels, row by row.
struct Grey {
    int width = 0;
    int height = 0;
    std::vector<float> level;
    float at(int x, int y) const {
        return level[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)];
    }
};

Grey readGrey(const fs::path& file) {
    Grey grey;
    SDL_Surface* loaded = IMG_Load(file.string().c_str());
    if (loaded == nullptr) {
        return grey;
    }
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (rgba == nullptr) {
        return grey;
    }
    grey.width = rgba->w;
    grey.height = rgba->h;
    grey.level.resize(static_cast<std::size_t>(rgba->w) * static_cast<std::size_t>(rgba->h));
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) {
            const std::uint8_t* p = row + x * 4;
            grey.level[static_cast<std::size_t>(y) * static_cast<std::size_t>(rgba->w) +
                       static_cast<std::size_t>(x)] = 0.299f * static_cast<float>(p[0]) +
                                                      0.587f * static_cast<float>(p[1]) +
                                                      0.114f * static_cast<float>(p[2]);
        }
    }
    SDL_FreeSurface(rgba);
    return grey;
}

// The frame scaled by `scale` with bilinear filtering, as a renderer that
// stretches the logical screen shows it.
Grey scaledUp(const Grey& small, float scale) {
    Grey big;
    big.width = static_cast<int>(std::lround(static_cast<float>(small.width) * scale));
    big.height = static_cast<int>(std::lround(static_cast<float>(small.height) * scale));
    big.level.resize(static_cast<std::size_t>(big.width) * static_cast<std::size_t>(big.height));
    for (int y = 0; y < big.height; ++y) {
        const float sy = std::clamp((static_cast<float>(y) + 0.5f) / scale - 0.5f, 0.0f,
                                    static_cast<float>(small.height - 1));
        const int y0 = static_cast<int>(sy);
        const int y1 = std::min(y0 + 1, small.height - 1);
        const float fy = sy - static_cast<float>(y0);
        for (int x = 0; x < big.width; ++x) {
            const float sx = std::clamp((static_cast<float>(x) + 0.5f) / scale - 0.5f, 0.0f,
                                        static_cast<float>(small.width - 1));
            const int x0 = static_cast<int>(sx);
            const int x1 = std::min(x0 + 1, small.width - 1);
            const float fx = sx - static_cast<float>(x0);
            const float top = small.at(x0, y0) * (1 - fx) + small.at(x1, y0) * fx;
            const float bottom = small.at(x0, y1) * (1 - fx) + small.at(x1, y1) * fx;
            big.level[static_cast<std::size_t>(y) * static_cast<std::size_t>(big.width) +
                      static_cast<std::size_t>(x)] = top * (1 - fy) + bottom * fy;
        }
    }
    return big;
}

// Fine detail: the mean difference between each pixel and the mean of its
// 3 x 3 neighbourhood (a one-pixel blur), over the rectangle.
double detail(const Grey& g, int left, int top, int right, int bottom) {
    double sum = 0;
    long count = 0;
    for (int y = std::max(top, 1); y < std::min(bottom, g.height - 1); ++y) {
        for (int x = std::max(left, 1); x < std::min(right, g.width - 1); ++x) {
            float blurred = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    blurred += g.at(x + dx, y + dy);
                }
            }
            sum += std::fabs(g.at(x, y) - blurred / 9.0f);
            ++count;
        }
    }
    return count > 0 ? sum / static_cast<double>(count) : 0.0;
}

constexpr float wideScale = 1080.0f / 768.0f;
constexpr int barWidth = 240;

class WideScreen : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = freshTestFolder("qv-e2e-wide");
        copyProductWithoutSavedState(QV_PRODUCT_DIR, folder_);
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(folder_);
        }
    }

    std::unique_ptr<ShowfloorSession> start(int width, int height) {
        return std::make_unique<ShowfloorSession>(
            folder_ / "product" / "Showfloor", folder_,
            std::vector<std::string>{"-automation", "-windowed", "-width:" + std::to_string(width),
                                     "-height:" + std::to_string(height)});
    }

    // The title after its fades, then the prompt for the number of players.
    void shootTitleAndPrompt(int width, int height, const std::string& stem) {
        auto game = start(width, height);
        ASSERT_TRUE(game->running());
        game->send("wait 3\nshot " + (folder_ / (stem + "-title.png")).string() +
                   "\nmove 512 650\nframes 2\nclick\nwait 2\nmove 900 100\nframes 2\nshot " +
                   (folder_ / (stem + "-prompt.png")).string());
        ASSERT_FALSE(game->dump().empty());
        EXPECT_EQ(game->finish(), 0) << game->errors();
    }

    // Detail of the 1080-line frame over a rectangle of the logical screen,
    // against the 768-line frame scaled up to the same size.
    double sharpness(const std::string& shot, int left, int top, int right, int bottom) {
        const Grey wide = readGrey(folder_ / ("wide-" + shot + ".png"));
        const Grey small = readGrey(folder_ / ("small-" + shot + ".png"));
        EXPECT_EQ(wide.width, 1920);
        EXPECT_EQ(small.width, 1024);
        if (wide.width != 1920 || small.width != 1024) {
            return 0;
        }
        const Grey stretched = scaledUp(small, wideScale);
        auto out = [](int v) { return static_cast<int>(std::lround(v * wideScale)); };
        const double sharp =
            detail(wide, barWidth + out(left), out(top), barWidth + out(right), out(bottom));
        const double soft = detail(stretched, out(left), out(top), out(right), out(bottom));
        EXPECT_GT(soft, 0.0);
        return soft > 0 ? sharp / soft : 0;
    }

    fs::path folder_;
};

TEST_F(WideScreen, DrawsSharperThanTheSmallFrameScaledUpWithTheBackdropInTheBars) {
    shootTitleAndPrompt(1920, 1080, "wide");
    shootTitleAndPrompt(1024, 768, "small");

    const Grey title = readGrey(folder_ / "wide-title.png");
    ASSERT_EQ(title.width, 1920) << "the shot holds the whole window";
    ASSERT_EQ(title.height, 1080);
    // The bars show the turning backdrop, not black, and join the screen
    // without a seam.
    double barLevel = 0;
    double seam = 0;
    for (int y = 100; y < 1000; y += 10) {
        barLevel += title.at(60, y) + title.at(1860, y);
        seam += std::fabs(title.at(barWidth - 2, y) - title.at(barWidth + 1, y));
    }
    EXPECT_GT(barLevel / 180.0, 40.0);
    EXPECT_LT(seam / 90.0, 12.0);

    // The title's lettering (a picture) and the prompt (a font's text).
    const double titleRatio = sharpness("title", 270, 200, 760, 340);
    const double promptRatio = sharpness("prompt", 330, 349, 800, 381);
    EXPECT_GE(titleRatio, 1.2);
    EXPECT_GE(promptRatio, 1.2);

    // The dark panel behind the prompt is centred on the screen, under the
    // heading and above OK: its edges, across a row below the count.
    const Grey prompt = readGrey(folder_ / "wide-prompt.png");
    ASSERT_EQ(prompt.width, 1920);
    int panelLeft = 0;
    while (panelLeft < prompt.width && prompt.at(panelLeft, 760) >= 40.0f) {
        ++panelLeft;
    }
    int panelRight = prompt.width - 1;
    while (panelRight > 0 && prompt.at(panelRight, 760) >= 40.0f) {
        --panelRight;
    }
    EXPECT_NEAR((panelLeft + panelRight) / 2.0, 960.0, 6.0) << panelLeft << " to " << panelRight;
    RecordProperty("title_sharpness_ratio", std::to_string(titleRatio));
    RecordProperty("prompt_sharpness_ratio", std::to_string(promptRatio));
}

TEST_F(WideScreen, ThePointerStaysOnTheScreen) {
    auto game = start(1920, 1080);
    ASSERT_TRUE(game->running());
    for (const auto& [move, x, y] : std::vector<std::tuple<std::string, double, double>>{
             {"move -400 500", 0, 500}, {"move 3000 -50", 1023, 0}, {"move 1100 900", 1023, 767}}) {
        game->send("wait 1\n" + move + "\nframes 2");
        const auto dump = game->dumpJson();
        ASSERT_TRUE(dump) << move;
        EXPECT_DOUBLE_EQ((*dump)["pointer"][std::size_t{0}].number, x) << move;
        EXPECT_DOUBLE_EQ((*dump)["pointer"][std::size_t{1}].number, y) << move;
    }
    EXPECT_EQ(game->finish(), 0);
}

// The turning backdrop of the menus reaches every corner of a wide window,
// bars included, at the angle Settings opens at.
TEST_F(WideScreen, SettingsFillsTheWideWindowToItsCorners) {
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{1920, 1080}, {1280, 720}}) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        const fs::path shot = folder_ / ("settings-" + size + ".png");
        auto game = start(width, height);
        ASSERT_TRUE(game->running());
        game->send("wait 3\nmove 512 700\nframes 2\nclick\nwait 1.5\nshot " + shot.string());
        ASSERT_FALSE(game->dump().empty());
        EXPECT_EQ(game->finish(), 0) << game->errors();
        const Grey settings = readGrey(shot);
        ASSERT_EQ(settings.width, width) << size;
        // The corners' last pixels and a patch inside each: black there was
        // the window showing past the backdrop's edge.
        for (const auto& [x, y] : std::vector<std::pair<int, int>>{{width - 1, height - 1},
                                                                   {width - 40, height - 10},
                                                                   {width - 10, height - 40},
                                                                   {0, height - 1},
                                                                   {width - 1, 0},
                                                                   {0, 0}}) {
            EXPECT_GT(settings.at(x, y), 30.0f) << size << " at " << x << "," << y;
        }
    }
}

// The game screen at the wide sizes: its backdrop reaches the screen's last
// column and row (no black line between the screen and the bar), and at
// 1920 x 1080 the quit question dims the bars with the screen, and they come
// back with it.
TEST_F(WideScreen, TheGameScreenReachesItsEdgesAndTheQuitQuestionDimsTheBars) {
    writeConfigFile(folder_ / "product" / "Resources", "Default", {"Ann"});
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{1920, 1080}, {2560, 1440}}) {
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        const fs::path game = folder_ / ("game-" + size + ".png");
        const fs::path asked = folder_ / ("quit-" + size + ".png");
        const fs::path after = folder_ / ("after-" + size + ".png");
        const bool quit = width == 1920;
        auto session = std::make_unique<ShowfloorSession>(
            folder_ / "product" / "Showfloor", folder_,
            std::vector<std::string>{"-automation", "-windowed", "-constantframetime:0.1",
                                     "-width:" + std::to_string(width),
                                     "-height:" + std::to_string(height)});
        ASSERT_TRUE(session->running());
        // Play again with the saved player, then the game screen once the
        // host has welcomed her.
        std::string script =
            "wait 2.5\nmove 512 600\nframes 2\nclick\nwait 4\nshot " + game.string() + "\n";
        if (quit) {
            script += "key escape\nwait 2.5\nshot " + asked.string() + "\nkey n\nwait 1.5\nshot " +
                      after.string() + "\n";
        }
        session->send(script);
        const auto dump = session->dumpJson();
        ASSERT_TRUE(dump) << size;
        EXPECT_EQ((*dump)["screen"].string, "Playing") << size;
        EXPECT_EQ(session->finish(), 0) << session->errors();

        const Grey shown = readGrey(game);
        ASSERT_EQ(shown.width, width) << size;
        ASSERT_EQ(shown.height, height) << size;
        // The 4:3 screen in the middle: from `left` to `right`, exclusive.
        const int left = (width - height * 4 / 3) / 2;
        const int right = width - left;
        for (int y : {0, height / 3, height / 2, height - 2, height - 1}) {
            for (int x : {left - 1, left, right - 2, right - 1, right}) {
                EXPECT_GT(shown.at(x, y), 10.0f) << size << " at " << x << "," << y;
            }
        }
        for (int x = left; x < right; x += 5) {
            EXPECT_GT(shown.at(x, height - 1), 10.0f) << size << " last row at " << x;
        }
        if (!quit) {
            continue;
        }
        // The bars' mean level, both sides, and the screen's near them.
        const auto bars = [&](const Grey& g) {
            double sum = 0;
            for (int y = 20; y < height - 20; y += 20) {
                sum += g.at(40, y) + g.at(left - 20, y) + g.at(right + 20, y) + g.at(width - 40, y);
            }
            return sum / (4.0 * ((height - 40 + 19) / 20));
        };
        const Grey dimmed = readGrey(asked);
        const Grey back = readGrey(after);
        ASSERT_EQ(dimmed.width, width);
        ASSERT_EQ(back.width, width);
        EXPECT_LT(bars(dimmed), 0.6 * bars(shown)) << "the bars are dimmed behind the question";
        EXPECT_LT(bars(dimmed), 0.6 * bars(back)) << "and come back after it";
        EXPECT_GT(bars(back), 30.0);
        // The screen's edges are dimmed as the bars beside them: no bright
        // line where the question's picture stops short of the screen's
        // first column and row.
        for (int y : {0, 1, height / 2, height - 1}) {
            for (int x : {left - 1, left, left + 1, right - 1, right}) {
                EXPECT_LT(dimmed.at(x, y), 0.75f * back.at(x, y) + 2.0f)
                    << "dimmed at " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace qv::test
