// SPDX-License-Identifier: MIT
#pragma once
// What keeps a set from playing well: rungs too thin for a full game,
// incomplete or repeated questions, texts too long for the editor, pictures
// that are not there.

#include "common/SetFile.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv::interchange {

// A game of nine players asks each of them one question per rung.
inline constexpr int questionsPerRungForFullGame = 9;

struct SetCheck {
    // Questions per rung, index 1 to 15 (0: those with no valid rung).
    std::array<int, 16> perRung{};
    int total = 0;
    // One line each, in the order of the rungs, then of the questions.
    std::vector<std::string> problems;
    // The same in the window's language (as `problems` without a translator).
    std::vector<std::string> shown;
};

// `pictureReadable(position)` says whether the picture of a flagged
// question at that 0-based position can be read.
SetCheck checkQuestions(const std::vector<SetFileRecord>& questions,
                        const std::function<bool(int position)>& pictureReadable);

// Whether a file decodes as a picture the editor reads.
bool isReadablePicture(const std::filesystem::path& file);

// The counts, one line per rung, and then every problem, one a line.
std::string checkReport(const SetCheck& check);

} // namespace qv::interchange
