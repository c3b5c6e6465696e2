// SPDX-License-Identifier: MIT
#include "game/phones/PhoneMessage.h"

#include "common/Utf16.h"

#include <array>
#include <cstdint>
#include <utility>

namespace qv {
namespace {

constexpr std::array<std::string_view, 9> buttonNames = {"a",     "b",    "c",      "d",   "take",
                                                         "joker", "clue", "gamble", "next"};

void appendUtf8(std::string& out, char32_t c) { out += utf8FromUtf32(std::u32string(1, c)); }

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    void skipSpace() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }
    bool take(char c) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skipSpace();
        return at_ == text_.size();
    }

    // A JSON string; control characters are refused, escaped or not.
    std::optional<std::string> string() {
        if (!take('"')) {
            return std::nullopt;
        }
        std::string out;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (c == '\\') {
                ++at_;
                std::optional<char32_t> escaped = escape();
                if (!escaped || isControl(*escaped)) {
                    return std::nullopt;
                }
                appendUtf8(out, *escaped);
                continue;
            }
            // The whole message is well-formed UTF-8 (checked first): only
            // control characters, C0 and DEL as single bytes and C1 as
            // C2 80 to C2 9F, are refused here.
            const auto byte = static_cast<std::uint8_t>(c);
            if (byte < 0x20 || byte == 0x7F ||
                (byte == 0xC2 && at_ + 1 < text_.size() &&
                 static_cast<std::uint8_t>(text_[at_ + 1]) < 0xA0)) {
                return std::nullopt;
            }
            out += c;
            ++at_;
        }
        return std::nullopt;
    }

private:
    std::optional<char32_t> hex4() {
        if (text_.size() - at_ < 4) {
            return std::nullopt;
        }
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = text_[at_++];
            value <<= 4;
            if (h >= '0' && h <= '9') {
                value |= static_cast<char32_t>(h - '0');
            } else if (h >= 'a' && h <= 'f') {
                value |= static_cast<char32_t>(h - 'a' + 10);
            } else if (h >= 'A' && h <= 'F') {
                value |= static_cast<char32_t>(h - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return value;
    }

    std::optional<char32_t> escape() {
        if (at_ >= text_.size()) {
            return std::nullopt;
        }
        switch (text_[at_++]) {
        case '"':
            return U'"';
        case '\\':
            return U'\\';
        case '/':
            return U'/';
        case 'u': {
            std::optional<char32_t> first = hex4();
            if (!first || (*first >= 0xDC00 && *first <= 0xDFFF)) {
                return std::nullopt;
            }
            if (*first < 0xD800 || *first > 0xDBFF) {
                return first;
            }
            if (text_.size() - at_ < 2 || text_[at_] != '\\' || text_[at_ + 1] != 'u') {
                return std::nullopt;
            }
            at_ += 2;
            std::optional<char32_t> second = hex4();
            if (!second || *second < 0xDC00 || *second > 0xDFFF) {
                return std::nullopt;
            }
            return 0x10000 + ((*first - 0xD800) << 10) + (*second - 0xDC00);
        }
        default:
            // \b, \f, \n, \r and \t are control characters: never in a message.
            return std::nullopt;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::string trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool validRoom(std::string_view room) {
    if (room.empty() || room.size() > 8) {
        return false;
    }
    for (char c : room) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

bool validToken(std::string_view token) {
    if (token.size() != 32) {
        return false;
    }
    for (char c : token) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::size_t> utf8Characters(std::string_view text) {
    bool damaged = false;
    mendUtf8(text, &damaged);
    if (damaged) {
        return std::nullopt;
    }
    return codePointCount(text);
}

std::optional<PhoneMessage> parsePhoneMessage(std::string_view text) {
    if (text.size() > maxPhoneMessageBytes || !utf8Characters(text)) {
        return std::nullopt;
    }
    Reader reader(text);
    if (!reader.take('{')) {
        return std::nullopt;
    }
    std::optional<std::string> type, room, name, token, button;
    const auto slotFor = [&](std::string_view key) -> std::optional<std::string>* {
        if (key == "type") {
            return &type;
        }
        if (key == "room") {
            return &room;
        }
        if (key == "name") {
            return &name;
        }
        if (key == "token") {
            return &token;
        }
        if (key == "button") {
            return &button;
        }
        return nullptr;
    };
    if (!reader.take('}')) {
        do {
            std::optional<std::string> key = reader.string();
            if (!key || !reader.take(':')) {
                return std::nullopt;
            }
            std::optional<std::string>* slot = slotFor(*key);
            std::optional<std::string> value = reader.string();
            if (!slot || slot->has_value() || !value) {
                return std::nullopt;
            }
            *slot = std::move(value);
        } while (reader.take(','));
        if (!reader.take('}')) {
            return std::nullopt;
        }
    }
    if (!reader.atEnd() || !type) {
        return std::nullopt;
    }

    PhoneMessage message;
    if (*type == "ping") {
        if (room || name || token || button) {
            return std::nullopt;
        }
        message.kind = PhoneMessage::Kind::Ping;
        return message;
    }
    if (*type == "press") {
        if (room || name || token || !button) {
            return std::nullopt;
        }
        std::optional<PhoneButton> which = phoneButtonFromName(*button);
        if (!which) {
            return std::nullopt;
        }
        message.kind = PhoneMessage::Kind::Press;
        message.button = *which;
        return message;
    }
    if (*type == "join") {
        if (button) {
            return std::nullopt;
        }
        message.kind = PhoneMessage::Kind::Join;
        if (token) {
            if (!validToken(*token)) {
                return std::nullopt;
            }
            message.token = *token;
        }
        if (room) {
            if (!validRoom(*room)) {
                return std::nullopt;
            }
            message.room = *room;
        }
        if (name) {
            message.name = trimmed(*name);
            std::optional<std::size_t> characters = utf8Characters(message.name);
            if (!characters || *characters > maxPhoneNameCharacters) {
                return std::nullopt;
            }
        }
        // A first join names its room and its player; coming back, the
        // token stands for both.
        if (message.token.empty() && (message.room.empty() || message.name.empty())) {
            return std::nullopt;
        }
        return message;
    }
    return std::nullopt;
}

std::string_view phoneButtonName(PhoneButton button) {
    return buttonNames[static_cast<std::size_t>(button)];
}

std::optional<PhoneButton> phoneButtonFromName(std::string_view name) {
    for (std::size_t i = 0; i < buttonNames.size(); ++i) {
        if (buttonNames[i] == name) {
            return static_cast<PhoneButton>(i);
        }
    }
    return std::nullopt;
}

std::string jsonQuoted(std::string_view utf8) {
    std::string out = "\"";
    static constexpr char hex[] = "0123456789abcdef";
    for (char c : utf8) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        } else if (c == '<') {
            // Never a "</script>" or markup in what a page may show.
            out += "\\u003c";
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace qv
