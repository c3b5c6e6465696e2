// SPDX-License-Identifier: MIT
// The XML of a workbook's sheet over any bytes, as an .xlsx worksheet and as
// an .ods content part: whatever it holds, the rows stay within the limits
// and the records made of them can be planned.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/interchange/Columns.h"
#include "editor/interchange/ImportPlan.h"
#include "editor/interchange/Workbook.h"

namespace {

using namespace qv::interchange;

void check(std::vector<TableRow>& rows, const WorkbookLimits& limits) {
    if (rows.size() > limits.maxRows) {
        __builtin_trap();
    }
    for (const TableRow& row : rows) {
        if (row.cells.size() > limits.maxColumns) {
            __builtin_trap();
        }
        for (const std::string& cell : row.cells) {
            if (cell.size() > limits.maxCellBytes) {
                __builtin_trap();
            }
        }
    }
    std::vector<std::string> notes;
    const SourceRecords records = recordsOfRows(rows, {}, notes);
    planImport(records, {}, ".", {}, [](const auto&, int, std::string&) { return false; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    WorkbookLimits limits;
    limits.maxRows = 1000;
    limits.maxCellBytes = 4096;
    XlsxContext context;
    context.sharedStrings = {"question", "a", "b", "c", "d", "correct"};
    context.sharedTooLong.assign(context.sharedStrings.size(), false);
    context.dateStyles = {false, true};
    std::vector<TableRow> rows;
    std::string error;
    readXlsxSheet(xml, context, rows, error, limits);
    check(rows, limits);
    readOdsContent(xml, "", rows, error, limits);
    check(rows, limits);
    return 0;
}
