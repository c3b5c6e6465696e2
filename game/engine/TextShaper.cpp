// SPDX-License-Identifier: MIT
#include "game/engine/TextShaper.h"

#include <fribidi.h>
#include <hb.h>

#include <algorithm>
#include <map>
#include <memory>

namespace qv {

namespace {

bool isHigh(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code points of [begin, end) and the code unit each starts at (with
// `end` after the last): a lone surrogate half reads as U+FFFD, a tab as a
// space.
struct Decoded {
    std::vector<FriBidiChar> points;
    std::vector<std::size_t> units;
};

Decoded decode(std::u16string_view text, std::size_t begin, std::size_t end) {
    Decoded d;
    end = std::min(end, text.size());
    for (std::size_t i = begin; i < end; ++i) {
        char32_t c = text[i];
        d.units.push_back(i);
        if (isHigh(c) && i + 1 < end && isLow(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (isHigh(c) || isLow(c)) {
            c = 0xFFFD;
        } else if (c == u'\t') {
            c = u' ';
        }
        d.points.push_back(c);
    }
    d.units.push_back(end);
    return d;
}

// The code point that ends just before code unit i.
char32_t pointBefore(std::u16string_view text, std::size_t i) {
    if (i == 0 || i > text.size()) {
        return 0;
    }
    const char32_t last = text[i - 1];
    if (isLow(last) && i >= 2 && isHigh(text[i - 2])) {
        return 0x10000 + ((static_cast<char32_t>(text[i - 2]) - 0xD800) << 10) + (last - 0xDC00);
    }
    return last;
}

char32_t pointAt(std::u16string_view text, std::size_t i) {
    if (i >= text.size()) {
        return 0;
    }
    const char32_t first = text[i];
    if (isHigh(first) && i + 1 < text.size() && isLow(text[i + 1])) {
        return 0x10000 + ((first - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
    }
    return first;
}

hb_unicode_funcs_t* unicode() {
    return hb_unicode_funcs_get_default();
}

// Characters that belong to the one before them: accents and other marks,
// joiners, variation selectors, skin tones, tags.
bool extendsPrevious(char32_t c) {
    switch (hb_unicode_general_category(unicode(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
        return true;
    default:
        break;
    }
    return c == 0x200C || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) ||
           (c >= 0xE0100 && c <= 0xE01EF) || (c >= 0x1F3FB && c <= 0x1F3FF) ||
           (c >= 0xE0020 && c <= 0xE007F);
}

bool pictographic(char32_t c) {
    return (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF);
}

bool regionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

bool weakScript(hb_script_t script) {
    return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED ||
           script == HB_SCRIPT_UNKNOWN;
}

bool cjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0x3040 && c <= 0x30FF) || (c >= 0x31C0 && c <= 0x31FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFF);
}

// What a Japanese or Chinese line may not start with: closing punctuation,
// the iteration marks, the prolonged sound mark and the small kana.
bool neverStartsALine(char32_t c) {
    static constexpr std::u32string_view closing =
        U"、。，．・：；？！ー）」』】〕〉》〙〗〟’”｝］｠〜～ゝゞヽヾ々〻ぁぃぅぇぉっゃゅょゎゕゖ"
        U"ァィゥェォッャュョヮヵヶ"
        U"）！，．：；？］｝";
    return closing.find(c) != std::u32string_view::npos || (c >= 0x31F0 && c <= 0x31FF);
}

// What such a line may not end with: opening brackets.
bool neverEndsALine(char32_t c) {
    static constexpr std::u32string_view opening = U"（「『【〔〈《〘〖〝‘“｛［｟（［｛";
    return opening.find(c) != std::u32string_view::npos;
}

struct Item {
    std::size_t first = 0;
    std::size_t count = 0;
    int slot = Font::noSlot;
    FriBidiLevel level = 0;
    hb_script_t script = HB_SCRIPT_COMMON;
};

struct BufferDeleter {
    void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};

} // namespace

bool breaksBetween(char32_t before, char32_t after) {
    return cjk(before) && cjk(after) && !neverStartsALine(after) && !neverEndsALine(before);
}

bool paragraphIsRightToLeft(std::u16string_view text, std::size_t begin, std::size_t end) {
    const Decoded d = decode(text, begin, end);
    for (const FriBidiChar c : d.points) {
        const FriBidiCharType type = fribidi_get_bidi_type(c);
        if (FRIBIDI_IS_LETTER(type)) {
            return FRIBIDI_IS_RTL(type);
        }
    }
    return false;
}

ShapedLine shapeLine(Font& font, std::u16string_view text, std::size_t begin, std::size_t end,
                     bool rightToLeft) {
    ShapedLine line;
    line.rightToLeft = rightToLeft;
    const Decoded d = decode(text, begin, end);
    const auto n = static_cast<FriBidiStrIndex>(d.points.size());
    if (n == 0) {
        return line;
    }

    // Embedding levels: even left to right, odd right to left.
    std::vector<FriBidiCharType> types(d.points.size());
    std::vector<FriBidiBracketType> brackets(d.points.size());
    std::vector<FriBidiLevel> levels(d.points.size(), rightToLeft ? 1 : 0);
    fribidi_get_bidi_types(d.points.data(), n, types.data());
    fribidi_get_bracket_types(d.points.data(), n, types.data(), brackets.data());
    FriBidiParType base = rightToLeft ? FRIBIDI_PAR_RTL : FRIBIDI_PAR_LTR;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &base,
                                            levels.data()) == 0) {
        std::fill(levels.begin(), levels.end(), rightToLeft ? 1 : 0);
    }

    // Runs of one level, one face and one script.
    std::vector<Item> items;
    for (std::size_t i = 0; i < d.points.size(); ++i) {
        const char32_t c = d.points[i];
        const hb_script_t script = hb_unicode_script(unicode(), c);
        Item* current = items.empty() ? nullptr : &items.back();
        int slot = Font::noSlot;
        if (current != nullptr && extendsPrevious(c)) {
            slot = current->slot;
        } else if (current != nullptr && weakScript(script) && current->slot != Font::noSlot &&
                   font.covers(current->slot, c)) {
            slot = current->slot;
        } else {
            slot = font.slotFor(c);
        }
        const bool sameScript = weakScript(script) || current == nullptr ||
                                weakScript(current->script) || current->script == script;
        if (current == nullptr || current->level != levels[i] || current->slot != slot ||
            !sameScript) {
            Item item;
            item.first = i;
            item.slot = slot;
            item.level = levels[i];
            item.script = script;
            items.push_back(item);
            current = &items.back();
        } else if (weakScript(current->script) && !weakScript(script)) {
            current->script = script;
        }
        ++current->count;
    }

    // Display order of the runs: from the highest level down to the lowest
    // odd one, every stretch at or above the level turns round.
    std::vector<std::size_t> order(items.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    int highest = 0;
    int lowestOdd = 1000;
    for (const Item& item : items) {
        highest = std::max(highest, static_cast<int>(item.level));
        if ((item.level & 1) != 0) {
            lowestOdd = std::min(lowestOdd, static_cast<int>(item.level));
        }
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (std::size_t i = 0; i < order.size();) {
            if (items[order[i]].level < level) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < order.size() && items[order[j]].level >= level) {
                ++j;
            }
            std::reverse(order.begin() + static_cast<std::ptrdiff_t>(i),
                         order.begin() + static_cast<std::ptrdiff_t>(j));
            i = j;
        }
    }

    std::unique_ptr<hb_buffer_t, BufferDeleter> buffer(hb_buffer_create());
    hb_position_t pen = 0;
    const int box = font.boxAdvance();
    auto place = [&](int slot, unsigned glyph, hb_position_t advance, hb_position_t dx,
                     hb_position_t dy, std::size_t point) {
        ShapedGlyph g;
        g.slot = slot;
        g.glyph = glyph;
        if (slot == Font::noSlot || glyph == 0) {
            g.slot = Font::noSlot;
            g.glyph = 0;
            advance = box * 64;
            dx = 0;
            dy = 0;
        }
        g.x = static_cast<int>((pen + dx + 32) >> 6);
        g.rise = static_cast<int>((dy + 32) >> 6);
        g.advance = static_cast<int>((advance + 32) >> 6);
        g.cluster = d.units[std::min(point, d.points.size())];
        pen += advance;
        line.glyphs.push_back(g);
    };
    for (const std::size_t index : order) {
        const Item& item = items[index];
        const bool reversed = (item.level & 1) != 0;
        hb_font_t* shaper = item.slot != Font::noSlot ? font.shapingFont(item.slot) : nullptr;
        if (shaper == nullptr || !buffer) {
            for (std::size_t k = 0; k < item.count; ++k) {
                const std::size_t point = item.first + (reversed ? item.count - 1 - k : k);
                if (!extendsPrevious(d.points[point])) {
                    place(Font::noSlot, 0, 0, 0, 0, point);
                }
            }
            continue;
        }
        hb_buffer_clear_contents(buffer.get());
        hb_buffer_add_utf32(buffer.get(), d.points.data(), n, static_cast<unsigned>(item.first),
                            static_cast<int>(item.count));
        hb_buffer_set_direction(buffer.get(), reversed ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        if (!weakScript(item.script)) {
            hb_buffer_set_script(buffer.get(), item.script);
        }
        hb_buffer_guess_segment_properties(buffer.get());
        hb_shape(shaper, buffer.get(), nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
        for (unsigned k = 0; k < count; ++k) {
            place(item.slot, infos[k].codepoint, positions[k].x_advance, positions[k].x_offset,
                  positions[k].y_offset, infos[k].cluster);
        }
    }
    line.advance = static_cast<int>((pen + 32) >> 6);
    for (const ShapedGlyph& g : line.glyphs) {
        int left = 0;
        int right = 0;
        if (font.shapedInk(g.slot, g.glyph, left, right)) {
            line.inkRight = std::max(line.inkRight, g.x + right);
        }
    }
    return line;
}

std::vector<BreakUnit> breakUnits(Font& font, std::u16string_view text, std::size_t begin,
                                  std::size_t end) {
    const ShapedLine line =
        shapeLine(font, text, begin, end, paragraphIsRightToLeft(text, begin, end));
    // The glyphs of each cluster, whatever their order on the line.
    struct Extent {
        int advance = 0;
        int left = 0;
        int inkRight = 0;
        bool seen = false;
    };
    std::map<std::size_t, Extent> clusters;
    for (const ShapedGlyph& g : line.glyphs) {
        Extent& e = clusters[g.cluster];
        int inkLeft = 0;
        int inkRight = 0;
        const int right = font.shapedInk(g.slot, g.glyph, inkLeft, inkRight) ? g.x + inkRight : 0;
        if (!e.seen) {
            e.left = g.x;
            e.inkRight = right;
            e.seen = true;
        } else {
            e.left = std::min(e.left, g.x);
            e.inkRight = std::max(e.inkRight, right);
        }
        e.advance += g.advance;
    }
    std::vector<BreakUnit> units;
    units.reserve(clusters.size());
    for (const auto& [start, e] : clusters) {
        BreakUnit unit;
        unit.start = start;
        unit.advance = e.advance;
        unit.ink = e.inkRight > 0 ? std::max(e.inkRight - e.left, 0) : 0;
        const char32_t first = pointAt(text, start);
        unit.space = first == u' ' || first == u'\t';
        unit.breakBefore = start > begin && breaksBetween(pointBefore(text, start), first);
        units.push_back(unit);
    }
    return units;
}

std::size_t wholeGraphemes(std::u16string_view text, std::size_t count) {
    if (count >= text.size()) {
        return text.size();
    }
    auto boundary = [&](std::size_t i) {
        if (isLow(text[i]) && isHigh(text[i - 1])) {
            return false;
        }
        const char32_t before = pointBefore(text, i);
        const char32_t after = pointAt(text, i);
        if (before == u'\r' && after == u'\n') {
            return false;
        }
        if (extendsPrevious(after)) {
            return false;
        }
        if (before == 0x200D && pictographic(after)) {
            return false;
        }
        // A consonant after a virama joins the conjunct before it.
        if (hb_unicode_combining_class(unicode(), before) == HB_UNICODE_COMBINING_CLASS_VIRAMA &&
            hb_unicode_general_category(unicode(), after) ==
                HB_UNICODE_GENERAL_CATEGORY_OTHER_LETTER &&
            hb_unicode_script(unicode(), after) == hb_unicode_script(unicode(), before)) {
            return false;
        }
        // Hangul built of jamo.
        if (before >= 0x1100 && before <= 0x115F && after >= 0x1100 && after <= 0x11FF) {
            return false;
        }
        if (before >= 0x1160 && before <= 0x11FF && after >= 0x1160 && after <= 0x11FF) {
            return false;
        }
        // Flags are pairs of regional indicators.
        if (regionalIndicator(before) && regionalIndicator(after)) {
            int run = 0;
            for (std::size_t j = i; j >= 2 && regionalIndicator(pointBefore(text, j)); j -= 2) {
                ++run;
            }
            return run % 2 == 0;
        }
        return true;
    };
    while (count > 0 && !boundary(count)) {
        --count;
    }
    return count;
}

} // namespace qv
