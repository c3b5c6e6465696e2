// SPDX-License-Identifier: MIT
// The pictures as they are drawn, before JPEG: every drawing belongs to a
// question of the set and puts something on its stage, and the drawings whose
// size depends on their content (cards, Morse signals, outlines) keep inside
// the picture instead of running off its edges, the light mixes leave out
// the colour their question asks for, the two shadows of one solid share a
// scale and a clock in a mirror is the mirror image of the time asked for.

#include "content/pictures/Catalogue.h"
#include "content/pictures/Counting.h"
#include "content/pictures/Figures.h"
#include "content/pictures/Maps.h"
#include "content/pictures/Riddles.h"
#include "content/pictures/Solids.h"
#include "tests/sets/ShippedSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <utility>

namespace {

using qv::pictures::Canvas;

int channelDistance(unsigned a, unsigned b) {
    int most = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        most = std::max(most, std::abs(ca - cb));
    }
    return most;
}

// Counts the pixels of the rectangle for which `match` holds.
int countPixels(const Canvas& canvas, int x0, int y0, int x1, int y1,
                const std::function<bool(unsigned)>& match) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += match(canvas.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

TEST(PictureCatalogue, EveryDrawingBelongsToExactlyOneFlaggedQuestion) {
    const qv::test::ShippedSet set = qv::test::loadShippedSet("Pictures");
    ASSERT_FALSE(set.contents.records.empty());
    std::set<std::pair<std::string, std::string>> flagged;
    for (const qv::SetFileRecord& q : set.contents.records) {
        if (q.pictureFlag != 0 && q.correctAnswer >= 1 && q.correctAnswer <= 4) {
            flagged.emplace(q.text, q.answers[static_cast<std::size_t>(q.correctAnswer - 1)]);
        }
    }
    std::set<std::pair<std::string, std::string>> drawn;
    for (const qv::pictures::PictureEntry& entry : qv::pictures::catalogue()) {
        const auto key = std::make_pair(entry.question, entry.answer);
        EXPECT_TRUE(drawn.insert(key).second) << "drawn twice: " << entry.question;
        // A drawing whose question was reworded or lost its picture would
        // never be used, and its question would ship without it.
        EXPECT_EQ(flagged.count(key), 1u)
            << "no flagged question for: " << entry.question << " / " << entry.answer;
    }
    EXPECT_EQ(drawn.size(), flagged.size());
}

TEST(PictureCatalogue, EveryDrawingPutsSomethingOnItsStage) {
    Canvas stage;
    stage.paintStage();
    Canvas night;
    night.paintNight();
    for (const qv::pictures::PictureEntry& entry : qv::pictures::catalogue()) {
        SCOPED_TRACE(entry.question + " / " + entry.answer);
        Canvas canvas;
        ASSERT_TRUE(entry.draw(canvas));
        ASSERT_TRUE(canvas.valid());
        // Compared with both empty backgrounds, at least a sixtieth of the
        // picture must have been drawn on.
        int changed = 0;
        for (int y = 0; y < Canvas::height; y += 2) {
            for (int x = 0; x < Canvas::width; x += 2) {
                const unsigned p = canvas.pixel(x, y);
                changed += channelDistance(p, stage.pixel(x, y)) > 24 &&
                                   channelDistance(p, night.pixel(x, y)) > 24
                               ? 1
                               : 0;
            }
        }
        EXPECT_GT(changed * 60, (Canvas::width / 2) * (Canvas::height / 2)) << changed;
    }
}

TEST(PictureDrawing, LongTextsAndSignalsKeepAMargin) {
    const unsigned cream = 0xF7EEDC;
    // The card spans x 55..585; its ink must stay clear of both ends.
    for (const char* text : {"MMMDCCCLXXXVIII", "1, 1, 2, 3, 5, 8, 13, 21, 34, 55, ?"}) {
        SCOPED_TRACE(text);
        Canvas canvas;
        qv::pictures::drawCard(canvas, text, 120, true);
        auto notCream = [&](unsigned p) { return channelDistance(p, cream) > 40; };
        EXPECT_EQ(countPixels(canvas, 60, 30, 80, 230, notCream), 0);
        EXPECT_EQ(countPixels(canvas, 560, 30, 580, 230, notCream), 0);
        EXPECT_GT(countPixels(canvas, 80, 30, 560, 230, notCream), 500);
    }
    Canvas morse;
    qv::pictures::drawMorse(morse, "--.- ..- .. --..  -- --- .-. ... .");
    auto lit = [](unsigned p) { return ((p >> 16) & 0xFF) > 128; };
    EXPECT_EQ(countPixels(morse, 0, 0, 20, Canvas::height, lit), 0);
    EXPECT_EQ(countPixels(morse, Canvas::width - 20, 0, Canvas::width, Canvas::height, lit), 0);
    EXPECT_GT(countPixels(morse, 20, 0, Canvas::width - 20, Canvas::height, lit), 1000);
}

TEST(PictureDrawing, LightMixesShowBothBeamsButNeverTheirMix) {
    // The mixed colour is the answer to the question the picture goes with.
    struct Mix {
        unsigned first, second;
    };
    for (const Mix mix :
         {Mix{0xFF0000, 0x00FF00}, Mix{0x00FF00, 0x0000FF}, Mix{0xFF0000, 0x0000FF}}) {
        SCOPED_TRACE(mix.first | mix.second);
        Canvas canvas;
        qv::pictures::drawLightMix(canvas, qv::pictures::hex(mix.first),
                                   qv::pictures::hex(mix.second));
        auto near = [](unsigned colour) {
            return [colour](unsigned p) { return channelDistance(p, colour) < 90; };
        };
        const int all = Canvas::width;
        EXPECT_EQ(countPixels(canvas, 0, 0, all, Canvas::height, near(mix.first | mix.second)), 0);
        EXPECT_GT(countPixels(canvas, 0, 0, all, Canvas::height, near(mix.first)), 8000);
        EXPECT_GT(countPixels(canvas, 0, 0, all, Canvas::height, near(mix.second)), 8000);
    }
}

TEST(PictureDrawing, OutlinesFitInsideThePicture) {
    for (const char* name : {"Africa", "South America", "Australia", "Italy"}) {
        SCOPED_TRACE(name);
        Canvas canvas;
        ASSERT_TRUE(qv::pictures::drawOutline(canvas, name));
        auto land = [](unsigned p) { return ((p >> 16) & 0xFF) > 160 && ((p >> 8) & 0xFF) > 150; };
        EXPECT_EQ(countPixels(canvas, 0, 0, Canvas::width, 6, land), 0);
        EXPECT_EQ(countPixels(canvas, 0, Canvas::height - 6, Canvas::width, Canvas::height, land),
                  0);
        EXPECT_EQ(countPixels(canvas, 0, 0, 6, Canvas::height, land), 0);
        EXPECT_GT(countPixels(canvas, 0, 0, Canvas::width, Canvas::height, land), 8000);
    }
    Canvas canvas;
    EXPECT_FALSE(qv::pictures::drawOutline(canvas, "Atlantis"));
}

// The widest run of columns holding shadow in [x0, x1): the shadows are
// near black, the panels behind them light.
int shadowWidth(const Canvas& canvas, int x0, int x1) {
    int first = -1;
    int last = -1;
    for (int x = x0; x < x1; ++x) {
        for (int y = 40; y < Canvas::height; ++y) {
            const unsigned p = canvas.pixel(x, y);
            if (((p >> 16) & 0xFF) < 0x20 && ((p >> 8) & 0xFF) < 0x28 && (p & 0xFF) < 0x28) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

TEST(PictureDrawing, TheTwoShadowsOfOneSolidAreDrawnAtOneScale) {
    // A cylinder's disc is as wide as its side view, a pyramid's square as
    // wide as the base of its triangle: drawn at two scales, the pair would
    // fit no solid at all.
    using qv::pictures::Outline2d;
    const std::pair<Outline2d, Outline2d> pairs[] = {
        {Outline2d::Circle, Outline2d::TallRectangle},
        {Outline2d::Square, Outline2d::Triangle},
        {Outline2d::Circle, Outline2d::Triangle},
        {Outline2d::Triangle, Outline2d::WideRectangle},
        {Outline2d::Circle, Outline2d::Circle}};
    for (const auto& [above, side] : pairs) {
        SCOPED_TRACE(static_cast<int>(above) * 10 + static_cast<int>(side));
        Canvas canvas;
        qv::pictures::drawShadows(canvas, above, side);
        const int left = shadowWidth(canvas, 0, Canvas::width / 2);
        const int right = shadowWidth(canvas, Canvas::width / 2, Canvas::width);
        EXPECT_GT(left, 80);
        EXPECT_NEAR(left, right, 3);
    }
}

TEST(PictureDrawing, RiddlesKeepClearOfThePictureEdges) {
    Canvas stage;
    stage.paintStage();
    const std::pair<const char*, std::function<void(Canvas&)>> riddles[] = {
        {"balances", [](Canvas& c) { qv::pictures::drawBalances(c); }},
        {"knight", [](Canvas& c) { qv::pictures::drawKnightBoard(c, 0, 8); }},
        {"square",
         [](Canvas& c) {
             qv::pictures::drawNumberSquare(c, {1, 2, 3, 4, 5, 6, 7, 8, 0});
         }},
        {"net",
         [](Canvas& c) {
             qv::pictures::drawNumberedCubeNet(c, {1, 2, 3, 4, 5, 6});
         }},
        {"cube", [](Canvas& c) { qv::pictures::drawPaintedCube(c); }},
        {"braille", [](Canvas& c) { qv::pictures::drawBrailleCell(c, "111111"); }},
    };
    for (const auto& [name, draw] : riddles) {
        SCOPED_TRACE(name);
        Canvas canvas;
        draw(canvas);
        auto drawn = [&](int x0, int y0, int x1, int y1) {
            int n = 0;
            for (int y = y0; y < y1; ++y) {
                for (int x = x0; x < x1; ++x) {
                    n += channelDistance(canvas.pixel(x, y), stage.pixel(x, y)) > 24 ? 1 : 0;
                }
            }
            return n;
        };
        const int w = Canvas::width;
        const int h = Canvas::height;
        EXPECT_EQ(drawn(0, 0, w, 4) + drawn(0, h - 4, w, h), 0);
        EXPECT_EQ(drawn(0, 0, 6, h) + drawn(w - 6, 0, w, h), 0);
    }
}

TEST(PictureDrawing, AClockInAMirrorShowsTheMirrorImageOfItsTime) {
    // 2:35 in a mirror: the minute hand lies where 25 minutes would be.
    Canvas canvas;
    qv::pictures::drawMirroredClock(canvas, 2, 35);
    auto inkAt = [&](double degrees, double radius) {
        const double a = degrees * M_PI / 180.0;
        const int x = static_cast<int>(Canvas::width / 2.0 + radius * std::sin(a));
        const int y = static_cast<int>(Canvas::height / 2.0 - radius * std::cos(a));
        return ((canvas.pixel(x, y) >> 16) & 0xFF) < 0x60;
    };
    EXPECT_TRUE(inkAt(150, 60));        // minute hand, mirrored
    EXPECT_FALSE(inkAt(210, 60));       // where it stands on the real clock
    EXPECT_TRUE(inkAt(360 - 77.5, 40)); // hour hand, mirrored
    EXPECT_FALSE(inkAt(77.5, 40));
}

} // namespace
