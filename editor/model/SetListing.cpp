// SPDX-License-Identifier: MIT
#include "editor/model/SetListing.h"

#include "common/FileIo.h"
#include "common/SetFile.h"
#include "editor/model/SetName.h"

#include <algorithm>
#include <system_error>

namespace qv {
namespace fs = std::filesystem;

std::vector<SetSummary> listQuestionSets(const fs::path& setsFolder) {
    std::vector<SetSummary> sets;
    std::error_code error;
    for (fs::directory_iterator it(setsFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->symlink_status(typeError).type() != fs::file_type::directory) {
            continue;
        }
        const std::string folderName = it->path().filename().string();
        std::string name = folderName;
        if (!isValidSetName(name)) {
            continue;
        }
        std::string bytes;
        if (!readWholeFile(it->path() / (folderName + ".txt"), bytes, maxSetFileBytes)) {
            continue;
        }
        const SetFileContents contents = readSetFile(bytes, LineEnds::CrOrLf, 1);
        sets.push_back({std::move(name), static_cast<int>(contents.records.size())});
    }
    auto lower = [](std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return text;
    };
    std::sort(sets.begin(), sets.end(), [&](const SetSummary& a, const SetSummary& b) {
        return lower(a.name) < lower(b.name);
    });
    return sets;
}

} // namespace qv
