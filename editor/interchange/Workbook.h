// SPDX-License-Identifier: MIT
#pragma once
// The rows of one sheet of a workbook: Office Open XML (.xlsx) and
// OpenDocument (.ods), both zip files of XML. Texts as the cells hold them,
// numbers as the shortest decimal that reads back the same, dates as ISO
// dates. Limits keep a hostile workbook (a zip bomb, a million rows, a huge
// table of texts) a clear refusal within a bounded amount of memory.

#include "editor/interchange/Columns.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::interchange {

struct WorkbookLimits {
    // What one XML part may unpack to.
    std::size_t maxPartBytes = std::size_t{48} << 20;
    // Characters of one cell, as spreadsheets allow; a longer cell makes
    // its row a refused one.
    std::size_t maxCellBytes = 32767;
    // Rows that hold anything.
    std::size_t maxRows = 100000;
    // Columns read; cells further right are ignored.
    std::size_t maxColumns = 1024;
    // Entries of an .xlsx table of shared texts.
    std::size_t maxSharedStrings = 1000000;
    // Cells kept in all (blank ones to the left of a filled one count) and
    // bytes of their texts: a short sheet can point thousands of cells at
    // one long shared text.
    std::size_t maxCells = 2000000;
    std::size_t maxTextBytes = std::size_t{64} << 20;
    int maxDepth = 256;
};

enum class WorkbookKind { Xlsx, Ods };

// The rows of the sheet `sheet` (its name or its number from 1; empty: the
// first) of the workbook `bytes`. Blank rows are left out. False, with
// `error`, when the workbook cannot be read or goes past a limit.
bool readWorkbook(WorkbookKind kind, std::string_view bytes, std::string_view sheet,
                  std::vector<TableRow>& rows, std::string& error,
                  const WorkbookLimits& limits = {});

// What an .xlsx sheet needs from the rest of its workbook.
struct XlsxContext {
    std::vector<std::string> sharedStrings;
    // Indexes of shared strings cut at the cell limit.
    std::vector<bool> sharedTooLong;
    // Per cell style: true when it shows a date.
    std::vector<bool> dateStyles;
    bool date1904 = false;
};

// One .xlsx worksheet part alone (XML), as readWorkbook reads it.
bool readXlsxSheet(std::string_view xml, const XlsxContext& context, std::vector<TableRow>& rows,
                   std::string& error, const WorkbookLimits& limits = {});

// An .ods content part alone (XML), as readWorkbook reads it.
bool readOdsContent(std::string_view xml, std::string_view sheet, std::vector<TableRow>& rows,
                    std::string& error, const WorkbookLimits& limits = {});

// The ISO date (YYYY-MM-DD) of a spreadsheet's day number.
std::string isoDateOfSerial(double serial, bool date1904);

// The shortest decimal that reads back as the same number as `literal`;
// the literal itself when it is no number.
std::string shortestNumber(std::string_view literal);

} // namespace qv::interchange
