// SPDX-License-Identifier: MIT
#pragma once
// Spreadsheet rows: CSV (RFC 4180 quoting) and tab-separated text.

#include "editor/interchange/SourceRecord.h"

#include <string_view>

namespace qv::interchange {

// Reads UTF-8 text whose first non-empty row names the columns (question, a,
// b, c, d, correct, and optionally rung and picture; any order, any case;
// other columns are ignored). With `delimiter` ',' a header that names the
// columns only when split at ';' is read that way, as spreadsheets set to
// languages with a decimal comma save it.
SourceRecords readDelimited(std::string_view utf8, char delimiter);

} // namespace qv::interchange
