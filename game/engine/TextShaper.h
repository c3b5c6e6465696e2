// SPDX-License-Identifier: MIT
#pragma once
// Text that a face cannot draw character by character: right-to-left
// scripts put in display order (FriBidi), letters joined and combined into
// the glyphs of their script (HarfBuzz), characters the game's face lacks
// taken from a fallback face, and those no face has drawn as a box. Lines
// hold glyph numbers placed from the left end of the line; each glyph knows
// the first code unit of the characters it shows, so a text revealed letter
// by letter shows the glyphs of the whole text's shaping.

#include "game/engine/Font.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace qv {

struct ShapedGlyph {
    int slot = Font::noSlot;
    unsigned glyph = 0;
    // Pen position of the glyph on the line, in pixels from its left end,
    // and how far it is raised.
    int x = 0;
    int rise = 0;
    int advance = 0;
    // The first code unit of the characters the glyph shows.
    std::size_t cluster = 0;
};

struct ShapedLine {
    // In display order, left to right.
    std::vector<ShapedGlyph> glyphs;
    // From the left end to the right edge of the last ink.
    int inkRight = 0;
    int advance = 0;
    bool rightToLeft = false;
};

// The characters of one line, from code unit `begin` up to `end` of the text
// (no line breaks inside), shaped in the font. rightToLeft: the paragraph
// the line belongs to is written right to left.
ShapedLine shapeLine(Font& font, std::u16string_view text, std::size_t begin, std::size_t end,
                     bool rightToLeft);

// Whether the paragraph from `begin` to `end` is written right to left: its
// first letter with a direction is Hebrew, Arabic or the like.
bool paragraphIsRightToLeft(std::u16string_view text, std::size_t begin, std::size_t end);

// One unit of line breaking: a grapheme (or a ligature of several) with the
// room it takes on a line.
struct BreakUnit {
    std::size_t start = 0;
    int advance = 0;
    // From the unit's pen position to the right edge of its ink (0: none).
    int ink = 0;
    bool space = false;
    // A line may break before this unit without a space (between two
    // Chinese or Japanese characters, unless the line would then start with
    // closing punctuation or a small kana, or the last ended with an
    // opening bracket).
    bool breakBefore = false;
};

// The units of the line from `begin` to `end` in reading order.
std::vector<BreakUnit> breakUnits(Font& font, std::u16string_view text, std::size_t begin,
                                  std::size_t end);

// The largest count of code units, at most `count`, that ends on a grapheme
// boundary: a letter is never shown without its accents, half a surrogate
// pair, or the rest of its conjunct.
std::size_t wholeGraphemes(std::u16string_view text, std::size_t count);

// Whether a line may break between the two characters with no space.
bool breaksBetween(char32_t before, char32_t after);

} // namespace qv
