// SPDX-License-Identifier: MIT
#include "editor/interchange/TextInput.h"

#include "common/Cp1252.h"
#include "common/Utf16.h"

#include <cstdint>
#include <cstdio>

namespace qv::interchange {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The length of the well-formed sequence starting at `at`, or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<std::uint8_t>(bytes[at]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0; // overlong
        } else if (lead == 0xED) {
            high = 0x9F; // surrogates
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F; // beyond U+10FFFF
        }
    } else {
        return 0;
    }
    if (bytes.size() - at < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(bytes[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

bool isLineBreak(char32_t c) {
    return c == U'\r' || c == U'\n' || c == 0x2028 || c == 0x2029;
}

} // namespace

bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

char32_t nextCodePoint(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(utf8[at]);
    std::size_t length = sequenceLength(utf8, at);
    if (length <= 1) {
        ++at;
        return length == 1 ? lead : 0xFFFD;
    }
    char32_t c = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        c = (c << 6) | (static_cast<std::uint8_t>(utf8[at + k]) & 0x3F);
    }
    at += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// UTF-16 after its byte-order mark; unpaired surrogates become U+FFFD.
std::string utf8FromUtf16Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto second = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        text[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return utf8FromUtf16(text);
}

// The line (from 1) of the first byte that is not UTF-8.
std::size_t lineOfFirstDamage(std::string_view bytes) {
    std::size_t line = 1;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, at);
        if (length == 0) {
            return line;
        }
        line += bytes[at] == '\n' ? 1 : 0;
        at += length;
    }
    return line;
}

} // namespace

std::optional<std::string> decodeInputText(std::string_view bytes, std::string& error) {
    const std::string_view head = bytes.substr(0, 2);
    if (head == "\xFF\xFE" || head == "\xFE\xFF") {
        const bool bigEndian = head == "\xFE\xFF";
        bytes.remove_prefix(2);
        if (bytes.empty()) {
            error = "the file holds only a byte-order mark and no text";
            return std::nullopt;
        }
        if (bytes.size() % 2 != 0) {
            error = std::string("the file is UTF-16 (") + (bigEndian ? "big" : "little") +
                    "-endian, by its byte-order mark) but has an odd number of bytes, so it is cut "
                    "short or not UTF-16";
            return std::nullopt;
        }
        return utf8FromUtf16Bytes(bytes, bigEndian);
    }
    if (bytes.substr(0, byteOrderMark.size()) == byteOrderMark) {
        bytes.remove_prefix(byteOrderMark.size());
        if (bytes.empty()) {
            error = "the file holds only a byte-order mark and no text";
            return std::nullopt;
        }
        if (!isUtf8(bytes)) {
            error = "the file starts with a UTF-8 byte-order mark but line " +
                    std::to_string(lineOfFirstDamage(bytes)) + " holds bytes that are not UTF-8";
            return std::nullopt;
        }
        return std::string(bytes);
    }
    if (isUtf8(bytes)) {
        return std::string(bytes);
    }
    return utf8FromCp1252(bytes);
}

std::string decodeInput(std::string_view bytes) {
    std::string error;
    return decodeInputText(bytes, error).value_or(std::string());
}

std::optional<std::string> storableText(std::string_view utf8, char32_t* unstorable) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t c = nextCodePoint(utf8, at);
        if (c == U'\r' && at < utf8.size() && utf8[at] == '\n') {
            ++at; // CR LF is one line break
        }
        if (isLineBreak(c) || c == U'\t') {
            c = U' ';
        }
        // Control characters would end a line or a text early in the
        // readers of set files.
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) {
            if (unstorable != nullptr) {
                *unstorable = c;
            }
            return std::nullopt;
        }
        out += c;
    }
    // U+00A0 is a no-break space; trimming it too matches what people see.
    auto blank = [](char32_t c) { return c == U' ' || c == 0xA0; };
    std::size_t begin = 0;
    std::size_t end = out.size();
    while (end > begin && blank(out[end - 1])) {
        --end;
    }
    while (begin < end && blank(out[begin])) {
        ++begin;
    }
    return utf8FromUtf32(std::u32string_view(out).substr(begin, end - begin));
}

std::string codePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

std::string quotable(std::string_view utf8, std::size_t limit) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count) {
        if (count == limit) {
            return out + "...";
        }
        const char32_t c = nextCodePoint(utf8, at);
        const bool control = c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
        appendUtf8(out, control ? U' ' : c);
    }
    return out;
}

std::string_view trimmedView(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string sameTextKey(std::string_view stored) {
    std::string key;
    key.reserve(stored.size());
    bool blank = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        // A space, or U+00A0 (a no-break space) in UTF-8.
        if (c == ' ' || (c == '\xC2' && i + 1 < stored.size() && stored[i + 1] == '\xA0')) {
            i += c == ' ' ? 0 : 1;
            blank = true;
            continue;
        }
        if (blank && !key.empty()) {
            key += ' ';
        }
        blank = false;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

} // namespace qv::interchange
