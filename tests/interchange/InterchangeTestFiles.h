// SPDX-License-Identifier: MIT
#pragma once
// The sample files of the interchange tests and ways to look at what an
// import made of them.

#include "editor/interchange/ImportPlan.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv::test {

// tests/interchange/data in the source tree.
std::filesystem::path interchangeData();

// Reads `file` as the import would (format from its name) and plans it into
// an empty set, pictures relative to the file's folder.
interchange::ImportPlan planOfFile(const std::filesystem::path& file,
                                   const interchange::ImportOptions& options = {});

// "LINE: reason" for every skipped record.
std::vector<std::string> skipsOf(const interchange::ImportPlan& plan);

// The question texts, as stored.
std::vector<std::string> questionsOf(const interchange::ImportPlan& plan);

} // namespace qv::test

namespace qv::test {

// Writes the test workbooks (see tests/interchange/workbooks) into `folder`
// with Debian's spreadsheet writers; `arguments` are passed on. False when
// /usr/bin/python3 or its spreadsheet modules are missing.
bool makeWorkbooks(const std::filesystem::path& folder, const std::string& arguments = {});

} // namespace qv::test
