// SPDX-License-Identifier: MIT
// The pictures as they are drawn, before JPEG: every drawing belongs to a
// question of the set and puts something on its stage, and the drawings whose
// size depends on their content (cards, Morse signals, outlines) keep inside
// the picture instead of running off its edges, and the light mixes leave out
// the colour their question asks for.

#include "content/pictures/Catalogue.h"
#include "content/pictures/Counting.h"
#include "content/pictures/Figures.h"
#include "content/pictures/Maps.h"
#include "tests/sets/ShippedSet.h"

#include <gtest/gtest.h>

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

} // namespace
