// SPDX-License-Identifier: MIT
#include "common/Cp1252.h"

#include <array>

namespace qv {
namespace {

// 0x80 to 0x9F: the only range where the code page departs from Latin-1.
constexpr std::array<char16_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t cp1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return highControlRange[byte - 0x80];
    }
    return static_cast<char16_t>(byte);
}

std::optional<std::uint8_t> unicodeToCp1252(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<std::uint8_t>(character);
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == character) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::u16string decodeCp1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        text.push_back(cp1252ToUnicode(static_cast<std::uint8_t>(c)));
    }
    return text;
}

bool encodeCp1252(std::u16string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (char16_t unit : text) {
        auto byte = unicodeToCp1252(unit);
        if (!byte) {
            return false;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return true;
}

std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        char32_t cp = cp1252ToUnicode(static_cast<std::uint8_t>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

bool cp1252FromUtf8(std::string_view utf8, std::string& out) {
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            return false;
        }
        if (extra > utf8.size() - i - 1) {
            return false; // the sequence runs past the end
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        i += extra + 1;
        auto byte = unicodeToCp1252(cp);
        if (!byte) {
            return false;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return true;
}

} // namespace qv
