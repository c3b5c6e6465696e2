// SPDX-License-Identifier: MIT
#pragma once
// Collects the cells a workbook reader finds into rows, within the limits:
// empty cells and rows take no memory, however many a sheet claims.

#include "editor/interchange/Workbook.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace qv::interchange {

class SheetRows {
public:
    SheetRows(std::vector<TableRow>& rows, const WorkbookLimits& limits)
        : rows_(rows), limits_(limits) {}

    void beginRow(std::int64_t number) {
        row_ = TableRow{};
        rowBytes_ = 0;
        row_.line = static_cast<int>(std::clamp<std::int64_t>(number, 1, 2000000000));
        filled_ = false;
    }

    // A cell's text at `column` (0-based); `tooLong` when it was cut.
    void cell(std::size_t column, std::string&& text, bool tooLong) {
        if (column >= limits_.maxColumns || (text.empty() && !tooLong)) {
            return;
        }
        if (tooLong && row_.problem.empty()) {
            row_.problem = "a cell in column " + std::to_string(column + 1) + " holds more than " +
                           std::to_string(limits_.maxCellBytes) + " characters";
        }
        if (row_.cells.size() <= column) {
            row_.cells.resize(column + 1);
        }
        rowBytes_ += text.size();
        row_.cells[column] = std::move(text);
        filled_ = true;
    }

    // Ends the row, kept `repeat` times when it holds anything. False, with
    // `error`, past the row limit.
    bool endRow(std::string& error, std::int64_t repeat = 1) {
        if (!filled_) {
            return true;
        }
        for (std::int64_t k = 0; k < repeat; ++k) {
            if (rows_.size() >= limits_.maxRows) {
                error = "the sheet holds more than " + std::to_string(limits_.maxRows) +
                        " rows with text";
                return false;
            }
            cells_ += row_.cells.size();
            bytes_ += rowBytes_;
            if (cells_ > limits_.maxCells || bytes_ > limits_.maxTextBytes) {
                error = "the sheet holds more than " +
                        (cells_ > limits_.maxCells
                             ? std::to_string(limits_.maxCells) + " cells"
                             : std::to_string(limits_.maxTextBytes >> 20) + " MB of text");
                return false;
            }
            if (k + 1 == repeat) {
                rows_.push_back(std::move(row_));
            } else {
                rows_.push_back(row_);
            }
            rows_.back().line =
                static_cast<int>(std::clamp<std::int64_t>(row_.line + k, 1, 2000000000));
        }
        return true;
    }

private:
    std::vector<TableRow>& rows_;
    const WorkbookLimits& limits_;
    TableRow row_;
    bool filled_ = false;
    std::size_t rowBytes_ = 0;
    std::size_t cells_ = 0;
    std::size_t bytes_ = 0;
};

// Appends to a cell's text up to the limit; true when something was cut.
inline bool appendLimited(std::string& to, std::string_view text, std::size_t limit) {
    if (to.size() + text.size() <= limit) {
        to.append(text);
        return false;
    }
    to.append(text.substr(0, limit - std::min(limit, to.size())));
    return true;
}

class XmlHandler;
class XmlStream;

// Runs the reader of an .ods content part: `feed` parses the part with the
// handler it is given, setting the slot to its stream while it runs.
bool parseOdsContent(const std::function<bool(XmlHandler&, XmlStream*&, std::string&)>& feed,
                     std::string_view sheet, std::vector<TableRow>& rows, std::string& error,
                     const WorkbookLimits& limits);

} // namespace qv::interchange
