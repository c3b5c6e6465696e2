// SPDX-License-Identifier: MIT
#pragma once
// Lines of imported text, numbered, whatever the line ends.

#include "editor/interchange/TextInput.h"

#include <string_view>

namespace qv::interchange {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line without its end (CR LF, LF or CR); false at the end.
    bool next(std::string_view& line) {
        if (at_ >= text_.size()) {
            return false;
        }
        std::size_t end = text_.find_first_of("\r\n", at_);
        if (end == std::string_view::npos) {
            end = text_.size();
        }
        line = text_.substr(at_, end - at_);
        at_ = end;
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '\n' && (end == at_ || text_[at_ - 1] == '\r')) {
            ++at_;
        }
        ++number_;
        return true;
    }

    // 1-based number of the line `next` returned last.
    int number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int number_ = 0;
};

// The text without blanks and tabs at either end.
inline std::string_view trimBlanks(std::string_view text) {
    return trimmedView(text, " \t");
}

} // namespace qv::interchange
