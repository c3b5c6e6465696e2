// SPDX-License-Identifier: MIT
#include "editor/model/FieldText.h"

namespace qv {
namespace {

// A message names no more than this many characters.
constexpr std::size_t maxListed = 24;

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

// What no set file can hold: control characters, and surrogates and values
// beyond U+10FFFF, which UTF-8 cannot encode.
bool isUnstorable(char32_t c) {
    return isControl(c) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
}

bool isLineBreak(char32_t c) {
    return c == U'\n' || c == U'\r';
}

} // namespace

MendedFieldText mendFieldText(std::u32string_view text, std::size_t cursor, std::size_t limit) {
    MendedFieldText out;
    out.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool beforeCursor = i < cursor;
        if (isLineBreak(c)) {
            std::size_t end = i;
            while (end < text.size() && isLineBreak(text[end])) {
                ++end;
            }
            // A break that ends what was pasted (the cursor is right after
            // it) or the whole text goes; one inside it joins with a space.
            if (end != text.size() && end != cursor) {
                out.text += U' ';
                out.cursor += beforeCursor ? 1 : 0;
            }
            out.changed = true;
            i = end - 1;
            continue;
        }
        if (c == U'\t') {
            out.text += U' ';
            out.cursor += beforeCursor ? 1 : 0;
            out.changed = true;
        } else if (isUnstorable(c)) {
            if (out.leftOut.size() < maxListed && out.leftOut.find(c) == std::u32string::npos) {
                out.leftOut += c;
            }
            out.changed = true;
        } else {
            out.text += c;
            out.cursor += beforeCursor ? 1 : 0;
        }
    }
    if (limit != 0 && out.text.size() > limit) {
        std::size_t excess = out.text.size() - limit;
        const std::size_t beforeCursor = excess < out.cursor ? excess : out.cursor;
        out.text.erase(out.cursor - beforeCursor, beforeCursor);
        out.cursor -= beforeCursor;
        excess -= beforeCursor;
        out.text.erase(out.text.size() - excess);
        out.changed = true;
    }
    return out;
}

} // namespace qv
