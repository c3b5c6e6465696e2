// SPDX-License-Identifier: MIT
#pragma once
// The formats questions are imported from, and how a file's format is found.

#include "editor/interchange/Columns.h"
#include "editor/interchange/SourceRecord.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::interchange {

enum class Format { Csv, Tsv, Aiken, Gift, OpenTdb, Xlsx, Ods, Moodle };
inline constexpr std::size_t formatCount = 8;

// "csv", "tsv", "aiken", "gift", "opentdb", "xlsx", "ods" or "moodle" (any
// case).
std::optional<Format> formatNamed(std::string_view name);

// By the file name's extension alone: .csv, .tsv, .json, .xml, .xlsx, .ods,
// .gift. Nothing for .txt and every other name: their content decides.
std::optional<Format> formatOfFile(const std::filesystem::path& file);

// The format of a file named `file` holding `bytes`: the extension where it
// decides, else the content (a workbook's zip signature, then JSON or XML,
// then tab-separated lines under a known header, then GIFT, else Aiken).
Format detectFormat(const std::filesystem::path& file, std::string_view bytes);

std::string_view formatName(Format format);

// True for the formats read from bytes as they are (zip files), not text.
bool isWorkbook(Format format);

struct ReadOptions {
    // A workbook's sheet: its name or its number from 1; empty: the first.
    std::string sheet;
    // Columns of a spreadsheet chosen by the user.
    std::optional<ColumnMap> columns;
};

struct ReadReport {
    Format format = Format::Csv;
    // Lines for the user that are no skip reason (columns not used).
    std::vector<std::string> notes;
    // Why the whole file was refused; then there are no records.
    std::string error;
    // The cells of a spreadsheet's first filled row, for choosing columns.
    std::vector<std::string> header;
};

// Runs the reader of `format` over the file's bytes (text formats decoded
// as decodeInput does). Never fails: what is wrong is in the records or in
// `report.error`.
SourceRecords readRecords(Format format, std::string_view bytes, const ReadOptions& options,
                          ReadReport& report);

// Runs the reader of a text format over UTF-8 text (see decodeInput).
SourceRecords readRecords(Format format, std::string_view utf8);

} // namespace qv::interchange
