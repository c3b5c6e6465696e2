// SPDX-License-Identifier: MIT
#include "editor/model/ListTyping.h"

#include "editor/model/EditorTexts.h"

#include <string>

namespace qv {

int typedChoice(ChoiceList list, std::string_view typed) {
    if (typed.empty()) {
        return -1;
    }
    if (list == ChoiceList::CorrectAnswer) {
        if (typed.size() != 1) {
            return -1;
        }
        const char c = typed.front();
        if (c >= 'a' && c <= 'd') {
            return c - 'a' + 1;
        }
        if (c >= 'A' && c <= 'D') {
            return c - 'A' + 1;
        }
        if (c >= '1' && c <= '4') {
            return c - '0';
        }
        return -1;
    }
    if (typed.size() > 7 || typed.find_first_not_of("0123456789") != std::string_view::npos) {
        return -1;
    }
    constexpr std::string_view prefix = "Difficulty: ";
    for (std::size_t code = 1; code < editorText::valueEntries.size(); ++code) {
        if (editorText::valueEntries[code].substr(prefix.size()) == typed) {
            return static_cast<int>(code);
        }
    }
    const int rung = std::stoi(std::string(typed));
    return typed.front() != '0' && rung >= 1 && rung <= 15 ? rung : -1;
}

} // namespace qv
