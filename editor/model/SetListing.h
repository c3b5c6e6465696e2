// SPDX-License-Identifier: MIT
#pragma once
// The question sets in the sets folder, as "Open Question Set" lists them.

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

struct SetSummary {
    std::string name; // UTF-8, as the editor holds set names
    int questionCount = 0;
};

// Every folder of the sets folder that holds its set file, sorted by name
// without regard to case; hidden folders and names the editor could not
// save under are left out. The count is that of complete questions.
std::vector<SetSummary> listQuestionSets(const std::filesystem::path& setsFolder);

} // namespace qv
