// SPDX-License-Identifier: MIT
#pragma once
// Spreadsheet rows: CSV (RFC 4180 quoting) and tab-separated text.

#include "editor/interchange/Columns.h"
#include "editor/interchange/SourceRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::interchange {

// Reads UTF-8 text whose first non-empty row names the columns (see
// Columns.h; any order, any case; other columns are ignored with one line in
// `notes`), or whose columns `options` give. With `delimiter` ',' a header
// that names the columns only when split at ';' is read that way, as
// spreadsheets set to languages with a decimal comma save it. A cell that the
// CSV export guarded against being run as a formula loses its '.
SourceRecords readDelimited(std::string_view utf8, char delimiter, const TableOptions& options = {},
                            std::vector<std::string>* notes = nullptr);

// The cells of the first non-empty row, split as readDelimited splits it.
void readDelimitedHeader(std::string_view utf8, char delimiter, std::vector<std::string>& cells);

} // namespace qv::interchange
