// SPDX-License-Identifier: MIT
// Text in every script: display order and joined letters as HarfBuzz gives
// them, line breaks in Japanese, a box for what no font has, the reveal by
// whole graphemes, and Latin, Greek and Cyrillic still drawn letter by
// letter from the game's own face.

#include "TextFixture.h"

#include "game/engine/TextDrawable.h"
#include "game/engine/TextShaper.h"

#include <hb.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qv::test {
namespace {

// HarfBuzz's own glyph numbers for a run of text in a font file, in display
// order.
std::vector<unsigned> harfbuzzGlyphs(const std::string& file, int index, std::u32string_view run,
                                     hb_direction_t direction) {
    hb_blob_t* blob = hb_blob_create_from_file(file.c_str());
    hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(index));
    hb_font_t* font = hb_font_create(face);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf32(buffer, reinterpret_cast<const std::uint32_t*>(run.data()),
                        static_cast<int>(run.size()), 0, static_cast<int>(run.size()));
    hb_buffer_set_direction(buffer, direction);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    std::vector<unsigned> glyphs;
    for (unsigned i = 0; i < count; ++i) {
        glyphs.push_back(infos[i].codepoint);
    }
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    return glyphs;
}

std::vector<unsigned> glyphsOf(const ShapedLine& line) {
    std::vector<unsigned> glyphs;
    for (const ShapedGlyph& g : line.glyphs) {
        glyphs.push_back(g.glyph);
    }
    return glyphs;
}

ShapedLine shapeWhole(Font& font, std::u16string_view text) {
    return shapeLine(font, text, 0, text.size(), paragraphIsRightToLeft(text, 0, text.size()));
}

class Shaping : public TextFixture {
protected:
    void show(TextDrawable& t, std::u16string_view s, Vec3 at = {210, 4, 0.5f}, int index = 0) {
        t.font = fonts().font(index);
        t.setText(s);
        t.position = at;
        t.fullColour = opaqueWhite;
        t.fadedColour = opaqueWhite;
        t.attach();
        t.start();
    }

    // The lit pixels of the frame, as a mask.
    std::vector<bool> lit() const {
        std::vector<bool> mask(1024 * 768);
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                mask[static_cast<std::size_t>(y * 1024 + x)] = pixel(x, y) != 0;
            }
        }
        return mask;
    }

    struct Box {
        int left = 1024, right = -1, top = 768, bottom = -1;
    };
    Box inkBox() const {
        Box b;
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                if (pixel(x, y) != 0) {
                    b.left = std::min(b.left, x);
                    b.right = std::max(b.right, x);
                    b.top = std::min(b.top, y);
                    b.bottom = std::max(b.bottom, y);
                }
            }
        }
        return b;
    }
};

TEST_F(Shaping, ArabicAndHebrewComeInDisplayOrderAsHarfBuzzShapesThem) {
    Font& font = *fonts().font(0);
    std::string latinFile;
    int latinIndex = 0;
    ASSERT_TRUE(FontSet::findFace("Arial", 400, latinFile, latinIndex));
    std::string arabicFile;
    int arabicIndex = 0;
    ASSERT_TRUE(FontSet::findFallback(U'س', 400, arabicFile, arabicIndex));

    // Right to left with a number: the number reads left to right at the
    // left end, the word (and the space before the number) to its right,
    // its letters joined; all from the one face that has the letters.
    const ShapedLine salam = shapeWhole(font, u"سلام 2026");
    EXPECT_TRUE(salam.rightToLeft);
    std::vector<unsigned> expected =
        harfbuzzGlyphs(arabicFile, arabicIndex, U"2026", HB_DIRECTION_LTR);
    const std::vector<unsigned> word =
        harfbuzzGlyphs(arabicFile, arabicIndex, U"سلام ", HB_DIRECTION_RTL);
    expected.insert(expected.end(), word.begin(), word.end());
    EXPECT_EQ(glyphsOf(salam), expected);
    ASSERT_FALSE(salam.glyphs.empty());
    EXPECT_GT(salam.glyphs.front().slot, 0) << "a fallback face";
    for (const ShapedGlyph& g : salam.glyphs) {
        EXPECT_EQ(g.slot, salam.glyphs.front().slot);
    }
    EXPECT_EQ(salam.glyphs.front().cluster, 5u) << "the 2 of 2026 is drawn leftmost";
    EXPECT_EQ(salam.glyphs.back().cluster, 0u) << "the first letter is drawn rightmost";
    for (std::size_t i = 1; i < salam.glyphs.size(); ++i) {
        EXPECT_GT(salam.glyphs[i].x, salam.glyphs[i - 1].x) << "glyph " << i;
    }
    // Joined: the word is not its letters seen one by one.
    std::vector<unsigned> alone;
    for (const char32_t letter : std::u32string_view(U"مالس")) {
        const auto isolated =
            harfbuzzGlyphs(arabicFile, arabicIndex, std::u32string(1, letter), HB_DIRECTION_RTL);
        ASSERT_EQ(isolated.size(), 1u);
        alone.push_back(isolated[0]);
    }
    const std::vector<unsigned> letters(word.begin() + 1, word.end());
    EXPECT_NE(letters, alone);
    EXPECT_NE(letters.back(), alone.back()) << "the first letter in its initial form";

    // Hebrew is in the game's own face: one run, right to left.
    const ShapedLine shalom = shapeWhole(font, u"שלום עולם");
    EXPECT_EQ(glyphsOf(shalom),
              harfbuzzGlyphs(latinFile, latinIndex, U"שלום עולם", HB_DIRECTION_RTL));
    ASSERT_EQ(shalom.glyphs.size(), 9u);
    EXPECT_EQ(shalom.glyphs.front().cluster, 8u) << "the last letter is drawn leftmost";
    for (const ShapedGlyph& g : shalom.glyphs) {
        EXPECT_EQ(g.slot, 0);
    }
}

TEST_F(Shaping, JapaneseBreaksBetweenCharactersButNeverBeforeAClosingMark) {
    EXPECT_TRUE(breaksBetween(U'本', U'の'));
    EXPECT_TRUE(breaksBetween(U'。', U'東'));
    EXPECT_FALSE(breaksBetween(U'本', U'、'));
    EXPECT_FALSE(breaksBetween(U'「', U'東'));
    EXPECT_FALSE(breaksBetween(U'ト', U'ッ'));
    EXPECT_FALSE(breaksBetween(U'a', U'b'));

    TextDrawable t;
    t.font = fonts().font(0);
    t.fitFont = fonts().fitFont(0);
    const std::u16string question = u"日本の首都はどこですか。東京、大阪、京都、名古屋のうち、"
                                    u"正しいものを一つ選んでください。「東京」ですか？";
    t.setText(question);
    t.maxWidth = 600.0f;
    t.fitLines = 3;
    const TextDrawable::Layout& fitted = t.layout();
    EXPECT_EQ(fitted.font, t.fitFont);
    EXPECT_FALSE(fitted.plain);
    EXPECT_GE(fitted.lines, 2);
    EXPECT_LE(fitted.lines, 3);
    ASSERT_FALSE(fitted.wraps.empty());
    EXPECT_LE(fitted.width, t.maxWidth);
    EXPECT_GE(fitted.squeeze, 0.9f) << "wrapped, not squeezed";
    for (const std::size_t at : fitted.wraps) {
        ASSERT_GT(at, 0u);
        EXPECT_TRUE(breaksBetween(question[at - 1], question[at]))
            << "break before code unit " << at;
    }
    // Every character is on a line, once, in order.
    std::size_t next = 0;
    for (const ShapedLine& line : fitted.shaped) {
        std::vector<std::size_t> clusters;
        for (const ShapedGlyph& g : line.glyphs) {
            clusters.push_back(g.cluster);
        }
        std::sort(clusters.begin(), clusters.end());
        ASSERT_FALSE(clusters.empty());
        EXPECT_EQ(clusters.front(), next);
        next = clusters.back() + 1;
    }
    EXPECT_EQ(next, question.size());
}

TEST_F(Shaping, ACharacterNoFontHasIsDrawnAsABox) {
    // U+0378 is not a character at all: no font has it.
    ASSERT_EQ(fonts().font(0)->slotFor(U'\u0378'), Font::noSlot);
    TextDrawable box;
    show(box, u"\u0378");
    frame();
    const Box drawn = inkBox();
    ASSERT_GE(drawn.right - drawn.left, 6) << "a box as wide as a narrow letter";
    ASSERT_GE(drawn.bottom - drawn.top, 10);
    EXPECT_NE(pixel(drawn.left, (drawn.top + drawn.bottom) / 2), 0u) << "its left side";
    EXPECT_NE(pixel((drawn.left + drawn.right) / 2, drawn.top), 0u) << "its top";
    EXPECT_EQ(pixel((drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2), 0u)
        << "hollow";

    // Between two letters it keeps its place.
    box.setText(u"H\u0378H");
    frame();
    const Box three = inkBox();
    box.setText(u"HH");
    frame();
    EXPECT_GT(three.right - inkBox().right, drawn.right - drawn.left);
}

TEST_F(Shaping, TheRevealShowsWholeGraphemesOfTheWholeTextsShapes) {
    // A conjunct with its vowel sign, an accent added to its letter, a
    // skin tone, a flag: each appears whole or not at all.
    EXPECT_EQ(wholeGraphemes(u"क्षि", 1), 0u);
    EXPECT_EQ(wholeGraphemes(u"क्षि", 3), 0u);
    EXPECT_EQ(wholeGraphemes(u"क्षि", 4), 4u);
    EXPECT_EQ(wholeGraphemes(u"e\u0301a", 1), 0u);
    EXPECT_EQ(wholeGraphemes(u"e\u0301a", 2), 2u);
    EXPECT_EQ(wholeGraphemes(u"\U0001F44D\U0001F3FD!", 2), 0u);
    EXPECT_EQ(wholeGraphemes(u"\U0001F1EF\U0001F1F5\U0001F1EB\U0001F1F7", 6), 4u);
    EXPECT_EQ(wholeGraphemes(u"ab", 1), 1u);

    // Half of a joined word shows the letters as they are joined in the
    // whole word: every lit pixel is lit in the finished word too.
    TextDrawable t;
    show(t, u"سلام عليكم");
    t.typewriter = true;
    t.secondsPerLetter = 1.0f;
    t.start();
    t.age = 1.5f;
    frame(0.0f);
    const std::vector<bool> half = lit();
    const int halfPixels = static_cast<int>(std::count(half.begin(), half.end(), true));
    t.age = 100.0f;
    frame(0.0f);
    const std::vector<bool> whole = lit();
    EXPECT_GT(halfPixels, 20);
    EXPECT_GT(std::count(whole.begin(), whole.end(), true), 2 * halfPixels);
    for (std::size_t i = 0; i < half.size(); ++i) {
        ASSERT_TRUE(!half[i] || whole[i]) << "pixel " << i % 1024 << "," << i / 1024;
    }
}

TEST_F(Shaping, LatinGreekAndCyrillicStayOnTheGamesOwnFace) {
    Font& font = *fonts().font(0);
    EXPECT_TRUE(font.drawsPlainly(u"Łódź, Zoë, Ελένη, Αθήνα, Юлия, Ærøskøbing – 1 000 000 €"));
    EXPECT_FALSE(font.drawsPlainly(u"שלום")) << "right to left";
    EXPECT_FALSE(font.drawsPlainly(u"e\u0301")) << "an accent to place";
    EXPECT_FALSE(font.drawsPlainly(u"東京"));
    EXPECT_FALSE(font.drawsPlainly(u"a\u200Fb")) << "a direction mark";

    // Shaped text stands on the same baseline as plain text: an H beside a
    // Hebrew letter is where a plain H is.
    TextDrawable t;
    show(t, u"H");
    frame();
    const Box plain = inkBox();
    t.setText(u"Hא");
    frame();
    ASSERT_FALSE(t.layout().plain);
    Box shaped;
    for (int y = 0; y < 768; ++y) {
        for (int x = plain.left - 3; x <= plain.right + 1; ++x) {
            if (pixel(x, y) != 0) {
                shaped.top = std::min(shaped.top, y);
                shaped.bottom = std::max(shaped.bottom, y);
                shaped.right = std::max(shaped.right, x);
            }
        }
    }
    EXPECT_NEAR(shaped.top, plain.top, 1);
    EXPECT_NEAR(shaped.bottom, plain.bottom, 1);
}

} // namespace
} // namespace qv::test
