// SPDX-License-Identifier: MIT
#pragma once
// One question as the editor holds it.

#include <array>
#include <cstdint>
#include <string>

namespace qv {

struct EditorQuestion {
    // 0-based position in the set; -1 while the record is not placed yet.
    std::int32_t number = -1;
    // Texts in UTF-8; the set file converts them where it reads and writes.
    std::string text;
    std::array<std::string, 4> answers;
    // Full path of the file that holds the question's picture (in the
    // editor's picture store until the set is saved), empty without one.
    std::string picturePath;
    // The set file flags a picture that could not be read when the set was
    // opened; the user is told when the question is shown.
    bool pictureMissing = false;
    // 0 = nothing chosen, 1 to 4 = answers A to D.
    std::int8_t correctAnswer = 0;
    // 0 = nothing chosen, 1 to 15 = the rungs of the prize ladder.
    std::int8_t value = 0;
};

} // namespace qv
