// SPDX-License-Identifier: MIT
#pragma once
// Rows of a spreadsheet (CSV, TSV or a workbook's sheet) turned into
// records: which column holds what, found from the header row's names or
// given by the user, and the same rules for every kind of sheet.

#include "editor/interchange/SourceRecord.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::interchange {

// What a column can hold. Wrong1 to Wrong3 go with Correct holding the text
// of the right answer; Choices holds the four answers in one cell.
enum class Role { Question, A, B, C, D, Correct, Wrong1, Wrong2, Wrong3, Choices, Rung, Picture };
inline constexpr std::size_t roleCount = 12;

// The short name of a role, as --columns takes it: question, a, b, c, d,
// correct, wrong1, wrong2, wrong3, choices, rung, picture.
std::string_view roleName(Role role);

// A role by its short name or any header name people give it ("Answer 1",
// "Option A", "correct_answer", "incorrect_answer_2", "Difficulty", ...):
// case, blanks, underscores and hyphens do not count.
std::optional<Role> roleOfHeader(std::string_view name);

struct TableRow {
    // 1-based line (CSV) or row number (workbook).
    int line = 0;
    std::vector<std::string> cells;
    // Set when the row cannot be read at all (an unclosed quote, a cell too
    // large); the cells are then meaningless.
    std::string problem;
};

// Column (0-based) of each role, -1 for none.
struct ColumnMap {
    std::array<int, roleCount> index{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    int& operator[](Role role) { return index[static_cast<std::size_t>(role)]; }
    int operator[](Role role) const { return index[static_cast<std::size_t>(role)]; }
};

// Reads "question=1,a=2,b=3,c=4,d=5,correct=6" (columns counted from 1;
// letters such as "question=A" count as spreadsheet columns). False, with
// `error`, when a name or a number is wrong or the columns cannot make a
// question.
bool parseColumnMap(std::string_view text, ColumnMap& map, std::string& error);

// The columns that `header` names. `problem` is empty when they can make a
// question; otherwise it says what is missing. `ignored` lists the header's
// other non-empty names.
ColumnMap mapOfHeader(const std::vector<std::string>& header, std::string& problem,
                      std::vector<std::string>* ignored = nullptr);

// Why `map` cannot make a question, or empty.
std::string mapProblem(const ColumnMap& map);

struct TableOptions {
    // Columns chosen by the user; otherwise the first row names them.
    std::optional<ColumnMap> columns;
    // A row with more non-empty cells than the header names is refused
    // (a CSV field whose comma was meant to be quoted).
    bool strictWidth = false;
    // Cells lose the ' that the CSV export puts before text a spreadsheet
    // would run as a formula.
    bool dropFormulaGuard = false;
};

// The records of `rows` (blank rows already skipped or not). `notes` gets
// one line for columns that are not used.
SourceRecords recordsOfRows(std::vector<TableRow>& rows, const TableOptions& options,
                            std::vector<std::string>& notes);

// The first row that is not blank, or null.
const TableRow* firstFilledRow(const std::vector<TableRow>& rows);

// True when every cell is empty or blanks.
bool isBlankRow(const TableRow& row);

// The text a spreadsheet would run as a formula (it starts with =, +, @, '
// or a - that does not begin a plain negative number) with a ' before it;
// anything else as it is.
std::string guardFormula(std::string_view text);

// The text without the ' guardFormula put before it.
std::string_view unguardFormula(std::string_view text);

} // namespace qv::interchange
