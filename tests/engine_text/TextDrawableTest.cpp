// SPDX-License-Identifier: MIT
#include "TextFixture.h"

#include "game/engine/TextDrawable.h"

#include <limits>
#include <string>

namespace qv::test {
namespace {

class Text : public TextFixture {
protected:
    // A shown text with its envelope at full colour for ever.
    void show(TextDrawable& t, std::u16string_view s, Vec3 at = {210, 4, 0.5f}) {
        t.font = fonts().font(0);
        t.setText(s);
        t.position = at;
        t.fadeIn = 0.5f;
        t.hold = -1.0f;
        t.attach();
        t.start();
    }
};

TEST_F(Text, TheFontsAreArialAtTheirCellHeights) {
    // The texts' three fonts, then the faces of the words on plates.
    const int heights[FontSet::fontCount] = {30, 50, 100, 22, 17, 88, 46, 15, 26};
    for (int i = 0; i < FontSet::fontCount; ++i) {
        Font* font = fonts().font(i);
        ASSERT_NE(font, nullptr) << i;
        EXPECT_EQ(font->cellHeight(), heights[i]);
        // The face is chosen so that ascent plus descent is the height.
        EXPECT_EQ(font->faceHeight(), heights[i]);
    }
    EXPECT_EQ(fonts().font(FontSet::fontCount), nullptr);
    EXPECT_EQ(fonts().font(-1), nullptr);

    std::string regular;
    std::string bold;
    int index = 0;
    ASSERT_TRUE(FontSet::findFace("Arial", 400, regular, index));
    ASSERT_TRUE(FontSet::findFace("Arial", 700, bold, index));
    EXPECT_NE(regular, bold);
    EXPECT_NE(bold.find("Bold"), std::string::npos) << bold;
}

TEST_F(Text, EveryWindows1252CharacterHasAGlyph) {
    std::u16string all;
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        all.push_back(c);
    }
    all += u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    for (char16_t c = 0xA1; c <= 0xFF; ++c) {
        if (c != 0xAD) { // the soft hyphen may show nothing
            all.push_back(c);
        }
    }
    for (int i = 0; i < FontSet::fontCount; ++i) {
        Font& font = *fonts().font(i);
        for (char16_t c : all) {
            const Font::Glyph& g = font.glyph(c);
            EXPECT_TRUE(g.visible()) << "font " << i << " U+" << std::hex << int(c);
            EXPECT_GT(g.advance, 0);
            EXPECT_NE(font.texture(g.page), nullptr);
        }
        EXPECT_GT(font.glyph(u' ').advance, 0);
        EXPECT_FALSE(font.glyph(u'\x81').visible());
    }
}

TEST_F(Text, EachGlyphIsRasterisedOnce) {
    Font& font = *fonts().font(1);
    TextDrawable t;
    show(t, u"Quizvale – 1000000 €");
    t.font = &font;
    const int untouched = font.glyphCount();
    frame();
    const int before = font.glyphCount();
    EXPECT_GT(before, untouched) << "glyphs are rasterised when first drawn";
    EXPECT_LE(before, untouched + 20) << "only the letters of the text";
    for (int i = 0; i < 3; ++i) {
        frame();
    }
    EXPECT_EQ(font.glyphCount(), before) << "a glyph drawn again is not rasterised again";
    t.setText(u"ΩΩ Ω");
    frame();
    frame();
    EXPECT_EQ(font.glyphCount(), before + 1);
}

TEST_F(Text, TypewriterShowsWholeLettersByAge) {
    TextDrawable t;
    show(t, u"abcdefghijklmnopqrst");
    t.typewriter = true;
    t.start();
    t.draw(0.26f, std::nullopt, false);
    EXPECT_EQ(t.visibleLength(), 5u);
    EXPECT_EQ(t.visibleText(), u"abcde");
    t.draw(0.74f, std::nullopt, false);
    EXPECT_FLOAT_EQ(t.age, 1.0f);
    EXPECT_EQ(t.visibleLength(), 20u);
    t.draw(5.0f, std::nullopt, false);
    EXPECT_EQ(t.visibleLength(), 20u);

    // Never half a surrogate pair; a pace of 0 shows everything.
    t.setText(u"a\U0001F600b");
    t.age = 0.1f;
    EXPECT_EQ(t.visibleLength(), 1u);
    t.age = 0.15f;
    EXPECT_EQ(t.visibleLength(), 3u);
    t.secondsPerLetter = 0.0f;
    EXPECT_EQ(t.visibleLength(), 4u);
    t.typewriter = false;
    t.secondsPerLetter = 0.05f;
    t.age = 0.0f;
    EXPECT_EQ(t.visibleLength(), 4u);
}

TEST_F(Text, SetTextOnAShownTextKeepsItsEnvelope) {
    TextDrawable t;
    show(t, u"first");
    t.typewriter = true;
    t.secondsPerLetter = 0.125f;
    frame(0.375f);
    frame(0.375f);
    const float age = t.age;
    const Colour colour = t.colour;
    ASSERT_EQ(age, 0.75f);
    t.setText(u"second, longer");
    EXPECT_TRUE(t.enabled);
    EXPECT_EQ(t.age, age);
    EXPECT_EQ(t.colour, colour);
    frame(0.125f);
    EXPECT_EQ(t.age, 0.875f);
    EXPECT_EQ(t.visibleText(), u"second,");
}

TEST_F(Text, WithoutFontOrTextNothingDrawsAndNothingAges) {
    TextDrawable noFont;
    noFont.setText(u"x");
    noFont.attach();
    noFont.start();
    TextDrawable noText;
    noText.font = fonts().font(0);
    noText.attach();
    noText.start();
    for (TextDrawable* t : {&noFont, &noText}) {
        EXPECT_FALSE(t->draw(0.5f, std::nullopt, false));
        EXPECT_EQ(t->age, 0.0f);
        EXPECT_TRUE(t->enabled);
    }
    // An empty string is a text: it ages and draws nothing visible.
    noText.setText(u"");
    EXPECT_TRUE(noText.draw(0.5f, std::nullopt, false));
    EXPECT_EQ(noText.age, 0.5f);
    noText.clearText();
    EXPECT_FALSE(noText.draw(0.5f, std::nullopt, false));
}

TEST_F(Text, PlacementDoublesThePositionAndCentresTheBlock) {
    EXPECT_EQ(TextDrawable::screenLeft({210, 4, 0}), 420.0f);
    EXPECT_EQ(TextDrawable::blockCentre({210, 4, 0}), 392.0f);
    // Answer A's text lines up with its button at y 661.
    EXPECT_EQ(TextDrawable::blockCentre({40, 138, 0}), 660.0f);
    EXPECT_EQ(TextDrawable::blockCentre({50, -159, 0}), 66.0f);

    TextDrawable t;
    t.setText(u"one\r\ntwo\nthree\rfour");
    EXPECT_EQ(t.lineCount(), 4);
    t.setText(u"one line");
    EXPECT_EQ(t.lineCount(), 1);
}

TEST_F(Text, AtlasesFollowTheDeviceThroughLossAndReset) {
    Font& font = *fonts().font(0);
    const Font::Glyph& a = font.glyph(u'A');
    const int page = a.page;
    ASSERT_NE(font.texture(page), nullptr);
    fonts().onDeviceLost();
    EXPECT_EQ(font.texture(page), nullptr);
    TextDrawable t;
    show(t, u"AAA");
    frame(); // draws nothing, does not crash
    EXPECT_TRUE(fonts().onDeviceReset());
    EXPECT_NE(font.texture(page), nullptr);
    fonts().release();
    EXPECT_EQ(font.texture(page), nullptr);
    EXPECT_FALSE(fonts().onDeviceReset()) << "no renderer after release";
}

TEST_F(Text, ATooWideTextIsSqueezedThenGoesToTheSmallerFace) {
    TextDrawable t;
    t.font = fonts().font(0);
    t.fitFont = fonts().fitFont(0);
    ASSERT_NE(t.fitFont, nullptr);
    const std::u16string answer = u"Wolfgang Amadeus Mozart, 1756!";
    t.setText(answer);
    const auto natural = static_cast<float>(TextDrawable::inkWidth(*t.font, answer));
    for (float limit : {0.0f, std::numeric_limits<float>::quiet_NaN(), natural}) {
        t.maxWidth = limit;
        EXPECT_EQ(t.layout().squeeze, 1.0f) << limit;
        EXPECT_EQ(t.layout().font, t.font) << limit;
    }
    t.maxWidth = natural * 0.9f;
    EXPECT_EQ(t.layout().font, t.font);
    EXPECT_NEAR(t.layout().squeeze, 0.9f, 0.001f);

    t.maxWidth = natural * 0.7f;
    EXPECT_EQ(t.layout().font, t.fitFont) << "a changed limit is fitted again";
    EXPECT_GE(t.layout().squeeze, TextDrawable::minSqueeze);
    EXPECT_LE(t.layout().width, t.maxWidth);
    EXPECT_EQ(t.layout().lines, 1);
    t.fitFont = nullptr;
    EXPECT_EQ(t.layout().font, t.font);
    EXPECT_NEAR(t.layout().squeeze, 0.7f, 0.001f);

    t.setText(u"1756");
    EXPECT_EQ(t.layout().squeeze, 1.0f) << "a new text is fitted afresh";
}

TEST_F(Text, ALongQuestionWrapsAtSpacesIntoItsLines) {
    TextDrawable t;
    t.font = fonts().font(0);
    t.fitFont = fonts().fitFont(0);
    std::u16string question;
    while (question.size() < 255) {
        question += u"Which word of this long question ends up on the last line? ";
    }
    question.resize(255);
    question[50] = u'\n';
    t.setText(question);
    t.maxWidth = 650.0f;
    t.fitLines = 3;
    const TextDrawable::Layout fitted = t.layout();
    EXPECT_EQ(fitted.font, t.fitFont);
    EXPECT_EQ(fitted.lines, 3);
    ASSERT_EQ(fitted.wraps.size(), 1u);
    EXPECT_EQ(question[fitted.wraps[0]], u' ');
    EXPECT_LE(fitted.width, t.maxWidth);
    EXPECT_GE(fitted.squeeze, 0.7f);
    EXPECT_EQ(t.text(), question) << "the text itself is untouched";

    // Held to its own two lines it is squeezed further.
    t.fitLines = 2;
    EXPECT_TRUE(t.layout().wraps.empty());
    EXPECT_LE(t.layout().width, t.maxWidth);
    EXPECT_LT(t.layout().squeeze, fitted.squeeze);
    // A word longer than the place has no break to make.
    t.fitLines = 3;
    t.setText(std::u16string(120, u'W'));
    EXPECT_TRUE(t.layout().wraps.empty());
    EXPECT_LE(t.layout().width, t.maxWidth);
}

} // namespace
} // namespace qv::test
