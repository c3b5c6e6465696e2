// SPDX-License-Identifier: MIT
#pragma once
// Runtime diagnostics for tests: answers what it is given and keeps the files
// it was asked about.

#include <map>
#include <optional>
#include <vector>

#include "platform/RuntimeDiagnostics.h"

namespace qv {

class RecordingRuntimeDiagnostics : public RuntimeDiagnostics {
public:
    bool query(RuntimeReport& out) override {
        if (!report) {
            return false;
        }
        out = *report;
        return true;
    }
    std::filesystem::path systemFolder() override { return folder; }
    bool fileVersion(const std::filesystem::path& file, FileVersion& version) override {
        asked.push_back(file);
        const auto found = files.find(file.filename().string());
        if (found == files.end()) {
            return false;
        }
        version = found->second;
        return true;
    }

    // Empty: the query fails.
    std::optional<RuntimeReport> report;
    std::filesystem::path folder = "/system";
    // Files that exist in the system folder, by name.
    std::map<std::string, FileVersion> files;
    std::vector<std::filesystem::path> asked;
};

} // namespace qv
