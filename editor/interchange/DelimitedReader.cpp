// SPDX-License-Identifier: MIT
#include "editor/interchange/DelimitedReader.h"

#include "editor/interchange/TextInput.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace qv::interchange {
namespace {

struct Row {
    int line = 0;
    std::vector<std::string> fields;
    bool unterminated = false;
};

// Splits rows off the text by RFC 4180, and is lenient where spreadsheets
// and hand-written files stray from it: CR, LF or CR LF end a row, and text
// after a closing quote, or a quote inside an unquoted field, is kept as it
// stands.
class RowSplitter {
public:
    RowSplitter(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    bool atEnd() const { return at_ >= text_.size(); }

    Row next() {
        Row row;
        row.line = line_;
        start_ = at_;
        startLine_ = line_;
        std::string field;
        for (;;) {
            if (at_ < text_.size() && text_[at_] == '"') {
                ++at_;
                if (!readQuoted(field)) {
                    row.unterminated = true;
                    row.fields.push_back(std::move(field));
                    return row;
                }
            }
            const std::size_t start = at_;
            while (at_ < text_.size() && text_[at_] != delimiter_ && text_[at_] != '\r' &&
                   text_[at_] != '\n') {
                ++at_;
            }
            field.append(text_.substr(start, at_ - start));
            row.fields.push_back(std::move(field));
            field.clear();
            if (at_ < text_.size() && text_[at_] == delimiter_) {
                ++at_;
                continue;
            }
            skipLineEnd();
            return row;
        }
    }

    // After an unterminated quote: reads on from the line after the one the
    // broken row started on, so the rows that the quote swallowed still count.
    void resumeAfterRowStart() {
        at_ = start_;
        line_ = startLine_;
        while (at_ < text_.size() && text_[at_] != '\r' && text_[at_] != '\n') {
            ++at_;
        }
        skipLineEnd();
    }

private:
    // Reads up to the closing quote; false when the text ends first.
    bool readQuoted(std::string& field) {
        for (;;) {
            const std::size_t quote = text_.find('"', at_);
            const std::size_t end = quote == std::string_view::npos ? text_.size() : quote;
            for (std::size_t i = at_; i < end; ++i) {
                if (text_[i] == '\n' ||
                    (text_[i] == '\r' && (i + 1 >= end || text_[i + 1] != '\n'))) {
                    ++line_;
                }
            }
            field.append(text_.substr(at_, end - at_));
            if (quote == std::string_view::npos) {
                at_ = text_.size();
                return false;
            }
            at_ = quote + 1;
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            return true;
        }
    }

    void skipLineEnd() {
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
        ++line_;
    }

    std::string_view text_;
    char delimiter_;
    std::size_t at_ = 0;
    int line_ = 1;
    std::size_t start_ = 0;
    int startLine_ = 1;
};

std::optional<Row> firstRow(std::string_view text, char delimiter) {
    RowSplitter splitter(text, delimiter);
    while (!splitter.atEnd()) {
        Row row = splitter.next();
        const bool blank =
            std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& field) {
                return field.find_first_not_of(" \t") == std::string::npos;
            });
        if (!blank) {
            return row;
        }
    }
    return std::nullopt;
}

// Spreadsheets set to a language with a decimal comma save with semicolons:
// the header tells, or with chosen columns the wider first row.
char delimiterOf(std::string_view text, char delimiter, const TableOptions& options) {
    if (delimiter != ',') {
        return delimiter;
    }
    const std::optional<Row> commas = firstRow(text, ',');
    const std::optional<Row> semicolons = firstRow(text, ';');
    if (!commas || !semicolons) {
        return delimiter;
    }
    if (options.columns) {
        return semicolons->fields.size() > commas->fields.size() ? ';' : ',';
    }
    std::string problem;
    mapOfHeader(commas->fields, problem);
    if (problem.empty()) {
        return ',';
    }
    mapOfHeader(semicolons->fields, problem);
    return problem.empty() ? ';' : ',';
}

} // namespace

SourceRecords readDelimited(std::string_view utf8, char delimiter, const TableOptions& options,
                            std::vector<std::string>* notes) {
    std::vector<TableRow> rows;
    rows.reserve(static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '\n')) + 1);
    RowSplitter splitter(utf8, delimiterOf(utf8, delimiter, options));
    while (!splitter.atEnd()) {
        Row row = splitter.next();
        if (row.unterminated) {
            // Inside the swallowed rows every quote is doubled, so reading
            // them again cannot meet another unclosed quote: this happens
            // once at most.
            rows.push_back({row.line, {}, "a quoted field opened on this row is never closed"});
            splitter.resumeAfterRowStart();
            continue;
        }
        rows.push_back({row.line, std::move(row.fields), {}});
    }
    TableOptions strict = options;
    strict.strictWidth = true;
    strict.dropFormulaGuard = true;
    std::vector<std::string> ignoredNotes;
    return recordsOfRows(rows, strict, notes != nullptr ? *notes : ignoredNotes);
}

void readDelimitedHeader(std::string_view utf8, char delimiter, std::vector<std::string>& cells) {
    cells.clear();
    if (std::optional<Row> first = firstRow(utf8, delimiterOf(utf8, delimiter, {}))) {
        cells = std::move(first->fields);
    }
}

} // namespace qv::interchange
