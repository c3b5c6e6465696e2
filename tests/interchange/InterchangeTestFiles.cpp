// SPDX-License-Identifier: MIT
#include "tests/interchange/InterchangeTestFiles.h"

#include "editor/interchange/SetImport.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace qv::test {

std::filesystem::path interchangeData() {
    const char* root = std::getenv("QV_SOURCE_DIR");
    return std::filesystem::path(root != nullptr ? root : ".") / "tests" / "interchange" / "data";
}

interchange::ImportPlan planOfFile(const std::filesystem::path& file,
                                   const interchange::ImportOptions& options) {
    interchange::SourceRecords records;
    std::string error;
    EXPECT_TRUE(interchange::readImportFile(file, std::nullopt, records, error)) << error;
    return interchange::previewImport(records, {}, file.parent_path(), options);
}

std::vector<std::string> skipsOf(const interchange::ImportPlan& plan) {
    std::vector<std::string> skips;
    for (const interchange::Skipped& skipped : plan.skipped) {
        skips.push_back(std::to_string(skipped.line) + ": " + skipped.reason);
    }
    return skips;
}

std::vector<std::string> questionsOf(const interchange::ImportPlan& plan) {
    std::vector<std::string> texts;
    for (const interchange::PlannedQuestion& question : plan.questions) {
        texts.push_back(question.record.text);
    }
    return texts;
}

} // namespace qv::test

namespace qv::test {

bool makeWorkbooks(const std::filesystem::path& folder, const std::string& arguments) {
    const std::filesystem::path script =
        interchangeData().parent_path() / "workbooks" / "make_workbooks.py";
    const std::string command = "/usr/bin/python3 -c 'import openpyxl, odf' 2>/dev/null && "
                                "/usr/bin/python3 '" +
                                script.string() + "' '" + folder.string() + "' " + arguments;
    return std::system(command.c_str()) == 0;
}

} // namespace qv::test
