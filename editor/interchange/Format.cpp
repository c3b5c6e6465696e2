// SPDX-License-Identifier: MIT
#include "editor/interchange/Format.h"

#include "editor/interchange/AikenReader.h"
#include "editor/interchange/DelimitedReader.h"
#include "editor/interchange/GiftReader.h"
#include "editor/interchange/LineReader.h"
#include "editor/interchange/MoodleReader.h"
#include "editor/interchange/OpenTdbReader.h"
#include "editor/interchange/TextInput.h"
#include "editor/interchange/Workbook.h"

#include <algorithm>
#include <array>
#include <string>

namespace qv::interchange {
namespace {

constexpr std::array<std::string_view, formatCount> names = {"csv",     "tsv",  "aiken", "gift",
                                                             "opentdb", "xlsx", "ods",   "moodle"};

constexpr std::string_view zipSignature = "PK\x03\x04";
constexpr std::string_view odsMimetype = "application/vnd.oasis.opendocument.spreadsheet";

// Tab-separated lines under a header that names the columns: what
// spreadsheets save as "Unicode text".
bool looksTabSeparated(std::string_view utf8) {
    LineReader lines(utf8);
    std::string_view line;
    while (lines.next(line)) {
        if (trimBlanks(line).empty()) {
            continue;
        }
        if (line.find('\t') == std::string_view::npos) {
            return false;
        }
        std::vector<std::string> cells;
        std::size_t at = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', at);
            cells.emplace_back(line.substr(at, tab == std::string_view::npos ? tab : tab - at));
            if (tab == std::string_view::npos) {
                break;
            }
            at = tab + 1;
        }
        std::string problem;
        mapOfHeader(cells, problem);
        return problem.empty();
    }
    return false;
}

// A { ... } block holding an answer that starts with = or ~.
bool looksLikeGift(std::string_view utf8) {
    std::size_t at = 0;
    while ((at = utf8.find('{', at)) != std::string_view::npos) {
        if (at > 0 && utf8[at - 1] == '\\') {
            ++at;
            continue;
        }
        const std::size_t close = utf8.find('}', at);
        if (close == std::string_view::npos) {
            return false;
        }
        const std::string_view block = utf8.substr(at + 1, close - at - 1);
        for (std::size_t i = 0; i < block.size(); ++i) {
            const bool marker = block[i] == '=' || block[i] == '~';
            if (marker && (i == 0 || std::string_view(" \t\r\n").find(block[i - 1]) !=
                                         std::string_view::npos)) {
                return true;
            }
        }
        at = close + 1;
    }
    return false;
}

} // namespace

std::optional<Format> formatNamed(std::string_view name) {
    const std::string wanted = lowerAscii(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == wanted) {
            return static_cast<Format>(i);
        }
    }
    if (wanted == "xml") {
        return Format::Moodle;
    }
    return std::nullopt;
}

std::optional<Format> formatOfFile(const std::filesystem::path& file) {
    const std::string extension = lowerAscii(file.extension().string());
    if (extension == ".csv") {
        return Format::Csv;
    }
    if (extension == ".tsv") {
        return Format::Tsv;
    }
    if (extension == ".gift") {
        return Format::Gift;
    }
    if (extension == ".json") {
        return Format::OpenTdb;
    }
    if (extension == ".xml") {
        return Format::Moodle;
    }
    if (extension == ".xlsx") {
        return Format::Xlsx;
    }
    if (extension == ".ods") {
        return Format::Ods;
    }
    return std::nullopt;
}

Format detectFormat(const std::filesystem::path& file, std::string_view bytes) {
    if (const std::optional<Format> byName = formatOfFile(file)) {
        return *byName;
    }
    if (bytes.substr(0, zipSignature.size()) == zipSignature) {
        // An OpenDocument file starts with its stored mimetype entry.
        return bytes.substr(0, 200).find(odsMimetype) != std::string_view::npos ? Format::Ods
                                                                                : Format::Xlsx;
    }
    const std::string text = decodeInput(bytes.substr(0, std::size_t{1} << 20));
    const std::string_view start = trimmedView(text, " \t\r\n");
    if (!start.empty() && (start.front() == '{' || start.front() == '[')) {
        return Format::OpenTdb;
    }
    if (!start.empty() && start.front() == '<') {
        return Format::Moodle;
    }
    if (looksTabSeparated(text)) {
        return Format::Tsv;
    }
    if (looksLikeGift(text)) {
        return Format::Gift;
    }
    return Format::Aiken;
}

std::string_view formatName(Format format) {
    return names[static_cast<std::size_t>(format)];
}

bool isWorkbook(Format format) {
    return format == Format::Xlsx || format == Format::Ods;
}

SourceRecords readRecords(Format format, std::string_view bytes, const ReadOptions& options,
                          ReadReport& report) {
    report.format = format;
    TableOptions table;
    table.columns = options.columns;
    std::vector<TableRow> rows;
    if (isWorkbook(format)) {
        const WorkbookKind kind = format == Format::Xlsx ? WorkbookKind::Xlsx : WorkbookKind::Ods;
        if (!readWorkbook(kind, bytes, options.sheet, rows, report.error)) {
            return {};
        }
    } else if (format == Format::Csv || format == Format::Tsv) {
        const std::string utf8 = decodeInput(bytes);
        const char delimiter = format == Format::Csv ? ',' : '\t';
        SourceRecords records = readDelimited(utf8, delimiter, table, &report.notes);
        // The header cells, for a user choosing the columns.
        readDelimitedHeader(utf8, delimiter, report.header);
        return records;
    } else {
        return readRecords(format, decodeInput(bytes));
    }
    if (const TableRow* header = firstFilledRow(rows)) {
        report.header = header->cells;
    }
    return recordsOfRows(rows, table, report.notes);
}

SourceRecords readRecords(Format format, std::string_view utf8) {
    switch (format) {
    case Format::Csv:
        return readDelimited(utf8, ',');
    case Format::Tsv:
        return readDelimited(utf8, '\t');
    case Format::Aiken:
        return readAiken(utf8);
    case Format::Gift:
        return readGift(utf8);
    case Format::OpenTdb:
        return readOpenTdb(utf8);
    case Format::Moodle:
        return readMoodle(utf8);
    case Format::Xlsx:
    case Format::Ods: {
        ReadReport report;
        SourceRecords records = readRecords(format, utf8, {}, report);
        if (!report.error.empty()) {
            records.push_back(refusedRecord(0, report.error));
        }
        return records;
    }
    }
    return {};
}

} // namespace qv::interchange
