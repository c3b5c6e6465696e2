// SPDX-License-Identifier: MIT
#pragma once
// Writing a set as a spreadsheet: UTF-8 with a byte-order mark (so that
// spreadsheets on every system read the accents), CR LF, a header row, and
// the pictures copied into a folder beside the file.

#include "common/SetFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv::interchange {

// One row per question: the correct answer as a letter and the rung as 1 to
// 15 (each empty when the question has none), and `pictures[i]` (a path
// relative to the file's folder, or empty) in the last column.
std::string csvOfSet(const std::vector<SetFileRecord>& questions,
                     const std::vector<std::string>& pictures);

struct ExportResult {
    bool written = false;
    int questions = 0;
    // Why nothing was written.
    std::string error;
    // Questions written without their picture, one line each.
    std::vector<std::string> warnings;
};

// Writes `questions` to `csvFile`, and the pictures `pictures[i]` (files of
// the set, or empty) to the folder "<file name without extension>-pictures"
// beside it.
ExportResult exportQuestions(const std::vector<SetFileRecord>& questions,
                             const std::vector<std::filesystem::path>& pictures,
                             const std::filesystem::path& csvFile);

// Exports the set `name` (UTF-8) as it is saved.
ExportResult exportSet(const std::filesystem::path& setsFolder, const std::string& name,
                       const std::filesystem::path& csvFile);

} // namespace qv::interchange
