// SPDX-License-Identifier: MIT
#include "JsonCheck.h"

#include <cctype>

namespace qv {

namespace {

class Checker {
public:
    explicit Checker(std::string_view text) : s_(text) {}

    bool whole() {
        if (!value(0)) {
            return false;
        }
        blanks();
        return at_ == s_.size();
    }

private:
    void blanks() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\n' || s_[at_] == '\t' || s_[at_] == '\r')) {
            ++at_;
        }
    }
    bool take(char c) {
        blanks();
        if (at_ < s_.size() && s_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w) {
        if (s_.substr(at_, w.size()) == w) {
            at_ += w.size();
            return true;
        }
        return false;
    }
    bool string() {
        if (!take('"')) {
            return false;
        }
        while (at_ < s_.size()) {
            const char c = s_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c == '\\') {
                if (at_ >= s_.size()) {
                    return false;
                }
                const char e = s_[at_++];
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i) {
                        if (at_ >= s_.size() ||
                            !std::isxdigit(static_cast<unsigned char>(s_[at_++]))) {
                            return false;
                        }
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool number() {
        const std::size_t start = at_;
        if (at_ < s_.size() && s_[at_] == '-') {
            ++at_;
        }
        const auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') {
                ++at_;
            }
            return at_ > from;
        };
        if (!digits()) {
            return false;
        }
        if (at_ < s_.size() && s_[at_] == '.' && (++at_, !digits())) {
            return false;
        }
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            ++at_;
            if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-')) {
                ++at_;
            }
            if (!digits()) {
                return false;
            }
        }
        return at_ > start;
    }
    bool value(int depth) {
        if (depth > 64) {
            return false;
        }
        blanks();
        if (at_ >= s_.size()) {
            return false;
        }
        const char c = s_[at_];
        if (c == '{') {
            ++at_;
            if (take('}')) {
                return true;
            }
            do {
                blanks();
                if (!string() || !take(':') || !value(depth + 1)) {
                    return false;
                }
            } while (take(','));
            return take('}');
        }
        if (c == '[') {
            ++at_;
            if (take(']')) {
                return true;
            }
            do {
                if (!value(depth + 1)) {
                    return false;
                }
            } while (take(','));
            return take(']');
        }
        if (c == '"') {
            return string();
        }
        return word("true") || word("false") || word("null") || number();
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

} // namespace

bool isJson(std::string_view text) {
    return Checker(text).whole();
}

} // namespace qv
