// SPDX-License-Identifier: MIT
#include "editor/model/Statistics.h"

#include "editor/model/EditorTexts.h"

#include <array>

namespace qv {

std::string statisticsText(const QuestionList& list) {
    static constexpr std::array<const char*, 15> prizes = {
        "100",   "200",   "300",   "500",    "1000",   "2000",   "4000",   "8000",
        "16000", "32000", "64000", "125000", "250000", "500000", "1000000"};
    std::array<int, 15> counts{};
    for (int i = 0; i < list.count(); ++i) {
        const EditorQuestion* record = list.find(i);
        if (record != nullptr && record->value >= 1 && record->value <= 15) {
            ++counts[static_cast<std::size_t>(record->value - 1)];
        }
    }
    std::string text;
    int total = 0;
    for (std::size_t k = 0; k < prizes.size(); ++k) {
        text +=
            textMark::fill(editorText::shown(editorText::statisticsLine, counts[k]), {prizes[k]});
        text += k + 1 < prizes.size() ? "\n" : "                \n";
        total += counts[k];
    }
    text += "\n";
    text += textMark::fill(editorText::shown(editorText::statisticsTotal), {std::to_string(total)});
    return text;
}

} // namespace qv
