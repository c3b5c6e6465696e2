// SPDX-License-Identifier: MIT
#include "tests/support/MiniJson.h"

#include <cstdlib>

namespace qv::test {

namespace {

const Json nullJson;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool value(Json& out, int depth) {
        if (depth > 64) {
            return false;
        }
        skipSpace();
        if (pos_ >= text_.size()) {
            return false;
        }
        const char c = text_[pos_];
        if (c == '{') {
            return object(out, depth);
        }
        if (c == '[') {
            return array(out, depth);
        }
        if (c == '"') {
            out.type = Json::Type::String;
            return string(out.string);
        }
        if (literal("true")) {
            out.type = Json::Type::Bool;
            out.boolean = true;
            return true;
        }
        if (literal("false")) {
            out.type = Json::Type::Bool;
            return true;
        }
        if (literal("null")) {
            return true;
        }
        return number(out);
    }

    bool atEnd() {
        skipSpace();
        return pos_ == text_.size();
    }

private:
    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    bool expect(char c) {
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool object(Json& out, int depth) {
        out.type = Json::Type::Object;
        ++pos_;
        if (expect('}')) {
            return true;
        }
        do {
            skipSpace();
            std::string key;
            if (!string(key) || !expect(':')) {
                return false;
            }
            Json member;
            if (!value(member, depth + 1)) {
                return false;
            }
            out.members[key] = std::move(member);
        } while (expect(','));
        return expect('}');
    }

    bool array(Json& out, int depth) {
        out.type = Json::Type::Array;
        ++pos_;
        if (expect(']')) {
            return true;
        }
        do {
            Json item;
            if (!value(item, depth + 1)) {
                return false;
            }
            out.items.push_back(std::move(item));
        } while (expect(','));
        return expect(']');
    }

    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool string(std::string& out) {
        if (pos_ >= text_.size() || text_[pos_] != '"') {
            return false;
        }
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) {
                return false;
            }
            const char e = text_[pos_++];
            switch (e) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                if (pos_ + 4 > text_.size()) {
                    return false;
                }
                const std::string hex(text_.substr(pos_, 4));
                pos_ += 4;
                appendUtf8(out, static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16)));
                break;
            }
            default:
                out += e;
            }
        }
        return false;
    }

    bool number(Json& out) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::string_view("+-0123456789.eE").find(text_[pos_]) != std::string_view::npos)) {
            ++pos_;
        }
        if (pos_ == start) {
            return false;
        }
        out.type = Json::Type::Number;
        out.number = std::strtod(std::string(text_.substr(start, pos_ - start)).c_str(), nullptr);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

const Json& Json::operator[](const std::string& key) const {
    const auto found = members.find(key);
    return found == members.end() ? nullJson : found->second;
}

const Json& Json::operator[](std::size_t index) const {
    return index < items.size() ? items[index] : nullJson;
}

std::optional<Json> Json::parse(std::string_view text) {
    Parser parser(text);
    Json out;
    if (!parser.value(out, 0) || !parser.atEnd()) {
        return std::nullopt;
    }
    return out;
}

} // namespace qv::test
