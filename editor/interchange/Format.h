// SPDX-License-Identifier: MIT
#pragma once
// The formats questions are imported from, and how a file's format is found.

#include "editor/interchange/SourceRecord.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace qv::interchange {

enum class Format { Csv, Tsv, Aiken, Gift, OpenTdb };

// "csv", "tsv", "aiken", "gift" or "opentdb" (any case).
std::optional<Format> formatNamed(std::string_view name);

// By the file name's extension: .csv, .tsv, .txt (Aiken), .gift, .json.
std::optional<Format> formatOfFile(const std::filesystem::path& file);

std::string_view formatName(Format format);

// Runs the reader of `format` over UTF-8 text (see decodeInput).
SourceRecords readRecords(Format format, std::string_view utf8);

} // namespace qv::interchange
