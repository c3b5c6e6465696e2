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

enum Column { Question, A, B, C, D, Correct, Rung, Picture, ColumnCount };
constexpr std::string_view columnNames[ColumnCount] = {"question", "a",       "b",    "c",
                                                       "d",        "correct", "rung", "picture"};
constexpr int requiredColumns = Correct + 1;

bool isBlank(const Row& row) {
    return std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

struct Header {
    std::array<int, ColumnCount> index{};
    std::string problem; // empty when the header can be used
};

Header readHeader(const Row& row) {
    Header header;
    header.index.fill(-1);
    for (std::size_t i = 0; i < row.fields.size(); ++i) {
        const std::string name = lowerAscii(trimmedView(row.fields[i], " \t"));
        const auto* found = std::find(std::begin(columnNames), std::end(columnNames), name);
        if (found == std::end(columnNames)) {
            continue;
        }
        auto& slot = header.index[static_cast<std::size_t>(found - std::begin(columnNames))];
        if (slot >= 0) {
            header.problem = "the header row names the column \"" + name + "\" twice";
            return header;
        }
        slot = static_cast<int>(i);
    }
    std::string missing;
    for (int c = 0; c < requiredColumns; ++c) {
        if (header.index[static_cast<std::size_t>(c)] < 0) {
            missing += (missing.empty() ? "" : ", ") + std::string(columnNames[c]);
        }
    }
    if (!missing.empty()) {
        header.problem = "the first row must name the columns question, a, b, c, d and correct "
                         "(missing: " +
                         missing + ")";
    }
    return header;
}

std::optional<Row> firstRow(std::string_view text, char delimiter) {
    RowSplitter splitter(text, delimiter);
    while (!splitter.atEnd()) {
        Row row = splitter.next();
        if (!isBlank(row)) {
            return row;
        }
    }
    return std::nullopt;
}

SourceRecord recordOf(Row& row, const Header& header) {
    SourceRecord record;
    record.line = row.line;
    auto take = [&](Column column, std::string& into) {
        const int i = header.index[column];
        if (i >= 0 && static_cast<std::size_t>(i) < row.fields.size()) {
            into = std::move(row.fields[static_cast<std::size_t>(i)]);
        }
    };
    take(Question, record.question);
    for (int k = 0; k < 4; ++k) {
        take(static_cast<Column>(A + k), record.answers[static_cast<std::size_t>(k)]);
    }
    take(Correct, record.correct);
    take(Rung, record.rung);
    take(Picture, record.picture);
    return record;
}

} // namespace

SourceRecords readDelimited(std::string_view utf8, char delimiter) {
    SourceRecords records;
    std::optional<Row> first = firstRow(utf8, delimiter);
    if (!first) {
        return records;
    }
    Header header = readHeader(*first);
    if (!header.problem.empty() && delimiter == ',') {
        if (std::optional<Row> semicolons = firstRow(utf8, ';')) {
            Header other = readHeader(*semicolons);
            if (other.problem.empty()) {
                header = other;
                delimiter = ';';
                first = std::move(semicolons);
            }
        }
    }
    if (!header.problem.empty()) {
        records.push_back(refusedRecord(first->line, header.problem));
        return records;
    }
    records.reserve(static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '\n')) + 1);
    RowSplitter splitter(utf8, delimiter);
    bool headerSeen = false;
    while (!splitter.atEnd()) {
        Row row = splitter.next();
        if (row.unterminated) {
            // Inside the swallowed rows every quote is doubled, so reading
            // them again cannot meet another unclosed quote: this happens
            // once at most.
            records.push_back(
                refusedRecord(row.line, "a quoted field opened on this row is never closed"));
            splitter.resumeAfterRowStart();
            continue;
        }
        if (isBlank(row)) {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true; // the header found above
            continue;
        }
        const std::size_t named = first->fields.size();
        if (row.fields.size() > named &&
            std::any_of(row.fields.begin() + static_cast<std::ptrdiff_t>(named), row.fields.end(),
                        [](const std::string& f) { return !f.empty(); })) {
            records.push_back(refusedRecord(
                row.line, "the row has " + std::to_string(row.fields.size()) +
                              " fields but the header names " + std::to_string(named) +
                              " (a field holding the separator needs quotes)"));
            continue;
        }
        records.push_back(recordOf(row, header));
    }
    return records;
}

} // namespace qv::interchange
