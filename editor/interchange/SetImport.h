// SPDX-License-Identifier: MIT
#pragma once
// Importing a file of questions into a question set on disk: a new set
// appears whole or not at all, and an appended set keeps its old file until
// the new one is complete.

#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv::interchange {

// Files larger than this are refused unread: ten thousand questions take a
// few megabytes in any of the formats.
inline constexpr std::uintmax_t maxImportFileBytes = std::uintmax_t{16} << 20;

// Reads `file` and runs the reader of `format` (when not given, found as
// detectFormat finds it). False, with `report.error`, when nothing can be
// read; `report.format` is the format used.
bool readImportFile(const std::filesystem::path& file, std::optional<Format> format,
                    const ReadOptions& options, SourceRecords& records, ReadReport& report);

// The same with the default options.
bool readImportFile(const std::filesystem::path& file, std::optional<Format> format,
                    SourceRecords& records, std::string& error);

// Turns a picture file into the bytes of a question's picture, as Add Pic
// does. False, with a reason a person understands, when it cannot be used.
bool preparePictureFile(const std::filesystem::path& source, std::vector<std::uint8_t>* jpeg,
                        std::string& reason);

struct ImportRequest {
    std::filesystem::path file;
    std::optional<Format> format;
    // UTF-8, as the set's folder is named.
    std::string setName;
    bool append = false;
    ImportOptions options;
    ReadOptions read;
};

struct ImportResult {
    // The set was written (with plan.questions added).
    bool written = false;
    // Why nothing was written, when it was not for a reason of the records.
    std::string error;
    ImportPlan plan;
    // What reading the file found out (format, notes).
    ReadReport read;
};

// Creates the set (or, with `append`, adds to it) under `setsFolder`.
ImportResult importIntoSet(const std::filesystem::path& setsFolder, const ImportRequest& request);

// What importIntoSet would do for questions added after `existing`,
// pictures checked but written nowhere.
ImportPlan previewImport(const SourceRecords& records, const std::vector<SetFileRecord>& existing,
                         const std::filesystem::path& sourceFolder, const ImportOptions& options);

} // namespace qv::interchange
