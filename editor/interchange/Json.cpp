// SPDX-License-Identifier: MIT
#include "editor/interchange/Json.h"

#include "editor/interchange/TextInput.h"

#include <cstdint>

namespace qv::interchange {

const JsonValue* JsonValue::member(std::string_view name) const {
    if (kind != Kind::Object) {
        return nullptr;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return &items[i];
        }
    }
    return nullptr;
}

namespace {

class Parser {
public:
    Parser(std::string_view text, const JsonLimits& limits) : text_(text), limits_(limits) {}

    bool document(JsonValue& root) {
        if (!value(root, 0)) {
            return false;
        }
        skipSpace();
        return at_ == text_.size() || fail("text follows the end of the document");
    }

    std::string error;
    int line = 1;

private:
    bool fail(std::string message) {
        if (error.empty()) {
            error = std::move(message);
        }
        return false;
    }

    void skipSpace() {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                ++line;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
            ++at_;
        }
    }

    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return fail("unexpected text");
        }
        at_ += word.size();
        return true;
    }

    bool value(JsonValue& out, int depth) {
        if (depth >= limits_.maxDepth) {
            return fail("nested deeper than " + std::to_string(limits_.maxDepth) + " levels");
        }
        if (++values_ > limits_.maxValues) {
            return fail("more than " + std::to_string(limits_.maxValues) + " values");
        }
        skipSpace();
        out.line = line;
        if (at_ >= text_.size()) {
            return fail("the document ends too early");
        }
        switch (text_[at_]) {
        case '{':
            out.kind = JsonValue::Kind::Object;
            return object(out, depth);
        case '[':
            out.kind = JsonValue::Kind::Array;
            return array(out, depth);
        case '"':
            out.kind = JsonValue::Kind::String;
            return string(out.text);
        case 't':
            out.kind = JsonValue::Kind::Bool;
            out.boolean = true;
            return literal("true");
        case 'f':
            out.kind = JsonValue::Kind::Bool;
            return literal("false");
        case 'n':
            return literal("null");
        default:
            out.kind = JsonValue::Kind::Number;
            return number(out.text);
        }
    }

    bool object(JsonValue& out, int depth) {
        ++at_;
        skipSpace();
        if (at_ < text_.size() && text_[at_] == '}') {
            ++at_;
            return true;
        }
        for (;;) {
            skipSpace();
            if (at_ >= text_.size() || text_[at_] != '"') {
                return fail("a member name in quotes was expected");
            }
            std::string name;
            if (!string(name)) {
                return false;
            }
            skipSpace();
            if (at_ >= text_.size() || text_[at_] != ':') {
                return fail("':' was expected after a member name");
            }
            ++at_;
            out.names.push_back(std::move(name));
            out.items.emplace_back();
            if (!value(out.items.back(), depth + 1)) {
                return false;
            }
            skipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') {
                ++at_;
                return true;
            }
            return fail("',' or '}' was expected");
        }
    }

    bool array(JsonValue& out, int depth) {
        ++at_;
        skipSpace();
        if (at_ < text_.size() && text_[at_] == ']') {
            ++at_;
            return true;
        }
        for (;;) {
            out.items.emplace_back();
            if (!value(out.items.back(), depth + 1)) {
                return false;
            }
            skipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') {
                ++at_;
                return true;
            }
            return fail("',' or ']' was expected");
        }
    }

    bool number(std::string& out) {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
        if (at_ == start) {
            return fail("unexpected text");
        }
        out = std::string(text_.substr(start, at_ - start));
        return true;
    }

    bool hex4(std::uint32_t& out) {
        if (text_.size() - at_ < 4) {
            return fail("a \\u escape ends too early");
        }
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                return fail("a \\u escape holds a character that is no hex digit");
            }
            out = out * 16 + static_cast<std::uint32_t>(digit);
        }
        return true;
    }

    bool string(std::string& out) {
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                return fail("a string is never closed");
            }
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (c == '\n') {
                ++line;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) {
                return fail("a string is never closed");
            }
            const char escape = text_[at_++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                std::uint32_t unit = 0;
                if (!hex4(unit)) {
                    return false;
                }
                char32_t character = unit;
                if (unit >= 0xD800 && unit <= 0xDBFF && text_.substr(at_, 2) == "\\u") {
                    const std::size_t back = at_;
                    at_ += 2;
                    std::uint32_t low = 0;
                    if (hex4(low) && low >= 0xDC00 && low <= 0xDFFF) {
                        character = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    } else {
                        at_ = back;
                        error.clear();
                        character = 0xFFFD;
                    }
                } else if (unit >= 0xD800 && unit <= 0xDFFF) {
                    character = 0xFFFD;
                }
                appendUtf8(out, character);
                break;
            }
            default:
                return fail("an unknown escape in a string");
            }
        }
    }

    std::string_view text_;
    const JsonLimits& limits_;
    std::size_t at_ = 0;
    std::size_t values_ = 0;
};

} // namespace

bool parseJson(std::string_view text, JsonValue& root, std::string& error, int& errorLine,
               const JsonLimits& limits) {
    Parser parser(text, limits);
    root = JsonValue{};
    if (parser.document(root)) {
        return true;
    }
    error = parser.error;
    errorLine = parser.line;
    return false;
}

} // namespace qv::interchange
