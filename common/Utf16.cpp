// SPDX-License-Identifier: MIT
#include "common/Utf16.h"

#include <cstdint>

namespace qv {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Decodes one UTF-8 sequence at `i`; false for a malformed one.
bool decodeOne(std::string_view text, std::size_t& i, char32_t& cp) {
    auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t extra = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (extra > text.size() - i - 1) {
        return false;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        auto next = static_cast<std::uint8_t>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    i += extra + 1;
    return true;
}

} // namespace

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

bool utf16FromUtf8(std::string_view text, std::u16string& out) {
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!decodeOne(text, i, cp)) {
            return false;
        }
        appendUtf16(out, cp);
    }
    return true;
}

std::u16string utf16FromUtf8Lossy(std::string_view text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!decodeOne(text, i, cp)) {
            cp = 0xFFFD;
            ++i;
        }
        appendUtf16(out, cp);
    }
    return out;
}

std::string mendUtf8(std::string_view text, bool* damaged) {
    std::string out;
    out.reserve(text.size());
    bool any = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        char32_t cp = 0;
        if (decodeOne(text, i, cp)) {
            out.append(text.substr(start, i - start));
        } else {
            appendUtf8(out, 0xFFFD);
            any = true;
            ++i;
        }
    }
    if (damaged != nullptr) {
        *damaged = any;
    }
    return out;
}

std::size_t codePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        // Every byte but a continuation byte starts a character.
        count += (static_cast<std::uint8_t>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string_view firstCodePoints(std::string_view utf8, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<std::uint8_t>(utf8[i]) & 0xC0) != 0x80) {
            if (count == limit) {
                return utf8.substr(0, i);
            }
            ++count;
        }
    }
    return utf8;
}

std::u32string utf32FromUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!decodeOne(utf8, i, cp)) {
            cp = 0xFFFD;
            ++i;
        }
        out.push_back(cp);
    }
    return out;
}

std::string utf8FromUtf32(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        appendUtf8(out, (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ? 0xFFFD : cp);
    }
    return out;
}

} // namespace qv
