// SPDX-License-Identifier: MIT
#include "editor/interchange/HtmlText.h"

#include "editor/interchange/TextInput.h"

#include <array>
#include <cstdint>

namespace qv::interchange {
namespace {

// U+00A0 to U+00FF, in order.
constexpr std::array<std::string_view, 96> latin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// U+0391 to U+03A9 and U+03B1 to U+03C9 (U+03A2 is unassigned: no name).
constexpr std::array<std::string_view, 25> greekNames = {
    "Alpha", "Beta",   "Gamma",   "Delta", "Epsilon", "Zeta",    "Eta",  "Theta", "Iota",
    "Kappa", "Lambda", "Mu",      "Nu",    "Xi",      "Omicron", "Pi",   "Rho",   "",
    "Sigma", "Tau",    "Upsilon", "Phi",   "Chi",     "Psi",     "Omega"};

struct Named {
    std::string_view name;
    char32_t character;
};

constexpr Named otherNames[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"apos", 0x27},     {"lt", 0x3C},
    {"gt", 0x3E},       {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},    {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"sigmaf", 0x3C2},  {"ensp", 0x2002},   {"emsp", 0x2003},
    {"thinsp", 0x2009}, {"zwnj", 0x200C},   {"zwj", 0x200D},    {"lrm", 0x200E},
    {"rlm", 0x200F},    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},
    {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"bdquo", 0x201E},  {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},
    {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033},
    {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},   {"trade", 0x2122},
    {"larr", 0x2190},   {"rarr", 0x2192},   {"minus", 0x2212},  {"infin", 0x221E},
    {"ne", 0x2260},     {"le", 0x2264},     {"ge", 0x2265},     {"radic", 0x221A},
};

char32_t namedCharacter(std::string_view name) {
    for (std::size_t i = 0; i < latin1Names.size(); ++i) {
        if (latin1Names[i] == name) {
            return static_cast<char32_t>(0xA0 + i);
        }
    }
    for (std::size_t i = 0; i < greekNames.size(); ++i) {
        if (greekNames[i].empty()) {
            continue;
        }
        if (greekNames[i] == name) {
            return static_cast<char32_t>(0x391 + i);
        }
        // The small letters are named like the capitals, in lower case.
        std::string small(greekNames[i]);
        small[0] = static_cast<char>(small[0] + 32);
        if (small == name) {
            return static_cast<char32_t>(0x3B1 + i);
        }
    }
    for (const Named& named : otherNames) {
        if (named.name == name) {
            return named.character;
        }
    }
    return 0;
}

// The character of a numeric reference's digits ("233" or "xE9").
char32_t numericCharacter(std::string_view digits) {
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    if (hex) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8) {
        return 0xFFFD;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return 0xFFFD;
        }
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0xFFFD;
    }
    return value;
}

} // namespace

std::string decodeEntities(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t amp = utf8.find('&', at);
        if (amp == std::string_view::npos) {
            break;
        }
        out.append(utf8.substr(at, amp - at));
        // Names and numbers are short; a far-away ';' belongs to other text.
        const std::size_t semi = utf8.find(';', amp + 1);
        if (semi == std::string_view::npos || semi - amp > 12) {
            out += '&';
            at = amp + 1;
            continue;
        }
        const std::string_view body = utf8.substr(amp + 1, semi - amp - 1);
        const char32_t c = (!body.empty() && body[0] == '#') ? numericCharacter(body.substr(1))
                                                             : namedCharacter(body);
        if (c == 0) {
            out += '&';
            at = amp + 1;
            continue;
        }
        appendUtf8(out, c);
        at = semi + 1;
    }
    out.append(utf8.substr(at));
    return out;
}

std::string plainFromHtml(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t open = utf8.find('<', at);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = utf8.find('>', open);
        if (close == std::string_view::npos) {
            break;
        }
        text.append(utf8.substr(at, open - at));
        std::string_view tag = utf8.substr(open + 1, close - open - 1);
        if (tag.substr(0, 2) == "br" || tag.substr(0, 2) == "BR" || tag.substr(0, 2) == "/p" ||
            tag.substr(0, 2) == "/P") {
            text += ' ';
        }
        at = close + 1;
    }
    text.append(utf8.substr(at));
    return decodeEntities(text);
}

} // namespace qv::interchange
