// SPDX-License-Identifier: MIT
#pragma once
// SystemLibraries for tests: answers from fields and keeps what was asked.

#include <set>
#include <string>
#include <vector>

#include "launcher/SystemLibraries.h"

namespace qv {

class RecordingSystemLibraries : public SystemLibraries {
public:
    bool systemFolder(std::filesystem::path& folder) override {
        ++folderQuestions;
        if (folderFound) {
            folder = folderAnswer;
        }
        return folderFound;
    }
    bool canLoad(const std::string& fileName) override {
        asked.push_back(fileName);
        return present.count(fileName) != 0;
    }

    bool folderFound = true;
    std::filesystem::path folderAnswer = "/usr/lib";
    std::set<std::string> present;
    int folderQuestions = 0;
    std::vector<std::string> asked;
};

} // namespace qv
