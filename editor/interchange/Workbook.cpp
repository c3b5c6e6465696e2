// SPDX-License-Identifier: MIT
#include "editor/interchange/Workbook.h"

#include "editor/interchange/SheetRows.h"
#include "editor/interchange/TextInput.h"
#include "editor/interchange/XmlStream.h"

#include <zip.h>

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>

namespace qv::interchange {
namespace {

// ---------------------------------------------------------------- the zip

struct ZipDiscard {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

class ZipArchive {
public:
    bool open(std::string_view bytes, std::string& error) {
        zip_error_t problem;
        zip_error_init(&problem);
        zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &problem);
        if (source == nullptr) {
            zip_error_fini(&problem);
            error = "not enough memory to open the workbook";
            return false;
        }
        zip_.reset(zip_open_from_source(source, ZIP_RDONLY, &problem));
        zip_error_fini(&problem);
        if (!zip_) {
            zip_source_free(source);
            error = "not a workbook: the zip file cannot be opened";
            return false;
        }
        return true;
    }

    bool has(const std::string& name) const {
        return zip_name_locate(zip_.get(), name.c_str(), ZIP_FL_NOCASE) >= 0;
    }

    // Streams the part `name` to `sink` in pieces, at most `limit` bytes in
    // all. False, with `error`, when it is missing, damaged or too large, or
    // when `sink` says so.
    bool read(const std::string& name, std::size_t limit,
              const std::function<bool(std::string_view, bool last)>& sink, std::string& error) {
        const zip_int64_t index = zip_name_locate(zip_.get(), name.c_str(), ZIP_FL_NOCASE);
        if (index < 0) {
            error = "the workbook has no part " + name;
            return false;
        }
        std::unique_ptr<zip_file_t, ZipFileClose> file(
            zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(index), 0));
        if (!file) {
            error = "the part " + name + " of the workbook cannot be unpacked";
            return false;
        }
        std::array<char, 65536> buffer;
        std::size_t total = 0;
        for (;;) {
            const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
            if (got < 0) {
                error = "the part " + name + " of the workbook is damaged";
                return false;
            }
            total += static_cast<std::size_t>(got);
            if (total > limit) {
                error = "the part " + name + " of the workbook unpacks to more than " +
                        std::to_string(limit >> 20) + " MB";
                return false;
            }
            const bool last = got == 0;
            if (!sink(std::string_view(buffer.data(), static_cast<std::size_t>(got)), last)) {
                return false;
            }
            if (last) {
                return true;
            }
        }
    }

    // Runs `handler` over the part as XML.
    bool parse(const std::string& name, XmlHandler& handler, const WorkbookLimits& limits,
               std::string& error) {
        XmlStream stream(handler, limits.maxDepth);
        const bool read = this->read(
            name, limits.maxPartBytes,
            [&stream](std::string_view piece, bool last) { return stream.feed(piece, last); },
            error);
        if (!read && error.empty()) {
            error = name + ": " + stream.error();
        }
        return read;
    }

private:
    std::unique_ptr<zip_t, ZipDiscard> zip_;
};

// ---------------------------------------------------------------- numbers

std::int64_t parseIndex(std::string_view text) {
    std::int64_t value = -1;
    text = trimmedView(text);
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    return problem == std::errc() && end == text.data() + text.size() ? value : -1;
}

// Days since 1970-01-01 to a civil date.
void civilFromDays(std::int64_t days, std::int64_t& year, unsigned& month, unsigned& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0);
}

// Whether a number format shows a date: a built-in date format, or a
// format code with a day or year outside quotes and brackets.
bool isDateFormat(int id, std::string_view code) {
    if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
        (id >= 50 && id <= 58)) {
        return id < 18 || id > 21; // 18 to 21 show only a time
    }
    bool quoted = false;
    int bracket = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '[') {
            ++bracket;
        } else if (!quoted && c == ']' && bracket > 0) {
            --bracket;
        } else if (!quoted && bracket == 0 && (c == 'y' || c == 'Y' || c == 'd' || c == 'D')) {
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- xlsx parts

// workbook.xml: the sheets in order and the date system.
class WorkbookPart : public XmlHandler {
public:
    struct Sheet {
        std::string name;
        std::string relation;
    };
    std::vector<Sheet> sheets;
    bool date1904 = false;

    void start(std::string_view name, const char* const* attributes) override {
        if (name == "sheet" && sheets.size() < 10000) {
            const char* sheetName = xmlAttribute(attributes, "name");
            const char* id = xmlAttribute(attributes, "id");
            sheets.push_back({sheetName != nullptr ? sheetName : "", id != nullptr ? id : ""});
        } else if (name == "workbookPr") {
            const char* system = xmlAttribute(attributes, "date1904");
            date1904 = system != nullptr &&
                       (std::string_view(system) == "1" || std::string_view(system) == "true");
        }
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

// workbook.xml.rels: which part a sheet's relation names.
class RelationsPart : public XmlHandler {
public:
    std::vector<std::pair<std::string, std::string>> targets;

    void start(std::string_view name, const char* const* attributes) override {
        const char* id = xmlAttribute(attributes, "Id");
        const char* target = xmlAttribute(attributes, "Target");
        if (name == "Relationship" && id != nullptr && target != nullptr &&
            targets.size() < 10000) {
            targets.emplace_back(id, target);
        }
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

// styles.xml: which cell styles show dates.
class StylesPart : public XmlHandler {
public:
    std::vector<bool> dateStyles;

    void start(std::string_view name, const char* const* attributes) override {
        if (name == "numFmt") {
            const char* id = xmlAttribute(attributes, "numFmtId");
            const char* code = xmlAttribute(attributes, "formatCode");
            if (id != nullptr && code != nullptr && custom_.size() < 10000) {
                custom_.emplace_back(parseIndex(id), code);
            }
        } else if (name == "cellXfs") {
            inCellStyles_ = true;
        } else if (name == "xf" && inCellStyles_ && dateStyles.size() < 100000) {
            const char* id = xmlAttribute(attributes, "numFmtId");
            const std::int64_t format = id != nullptr ? parseIndex(id) : 0;
            std::string_view code;
            for (const auto& [customId, customCode] : custom_) {
                if (customId == format) {
                    code = customCode;
                }
            }
            dateStyles.push_back(
                isDateFormat(static_cast<int>(std::clamp<std::int64_t>(format, -1, 100000)), code));
        }
    }
    void end(std::string_view name) override {
        if (name == "cellXfs") {
            inCellStyles_ = false;
        }
    }
    void text(std::string_view) override {}

private:
    std::vector<std::pair<std::int64_t, std::string>> custom_;
    bool inCellStyles_ = false;
};

// sharedStrings.xml: each <si>'s text, its phonetic runs left out.
class SharedStringsPart : public XmlHandler {
public:
    SharedStringsPart(XlsxContext& context, const WorkbookLimits& limits, XmlStream*& stream)
        : context_(context), limits_(limits), stream_(stream) {}

    void start(std::string_view name, const char* const* /*attributes*/) override {
        if (name == "si") {
            if (context_.sharedStrings.size() >= limits_.maxSharedStrings) {
                stream_->stop("the workbook's table of texts holds more than " +
                              std::to_string(limits_.maxSharedStrings) + " entries");
                return;
            }
            inItem_ = true;
            current_.clear();
            tooLong_ = false;
        } else if (name == "rPh") {
            ++phonetic_;
        } else if (name == "t" && inItem_ && phonetic_ == 0) {
            inText_ = true;
        }
    }
    void end(std::string_view name) override {
        if (name == "si" && inItem_) {
            inItem_ = false;
            context_.sharedStrings.push_back(std::move(current_));
            context_.sharedTooLong.push_back(tooLong_);
            current_ = std::string();
        } else if (name == "rPh" && phonetic_ > 0) {
            --phonetic_;
        } else if (name == "t") {
            inText_ = false;
        }
    }
    void text(std::string_view text) override {
        if (inText_) {
            tooLong_ = appendLimited(current_, text, limits_.maxCellBytes) || tooLong_;
        }
    }

private:
    XlsxContext& context_;
    const WorkbookLimits& limits_;
    XmlStream*& stream_;
    std::string current_;
    bool inItem_ = false;
    bool inText_ = false;
    bool tooLong_ = false;
    int phonetic_ = 0;
};

// A worksheet: rows of cells.
class SheetPart : public XmlHandler {
public:
    SheetPart(const XlsxContext& context, std::vector<TableRow>& rows, const WorkbookLimits& limits,
              XmlStream*& stream)
        : context_(context), limits_(limits), sink_(rows, limits), stream_(stream) {}

    void start(std::string_view name, const char* const* attributes) override {
        if (name == "row") {
            const char* number = xmlAttribute(attributes, "r");
            const std::int64_t given = number != nullptr ? parseIndex(number) : -1;
            rowNumber_ = given > 0 ? given : rowNumber_ + 1;
            sink_.beginRow(rowNumber_);
            column_ = -1;
            inRow_ = true;
        } else if (name == "c" && inRow_) {
            const char* reference = xmlAttribute(attributes, "r");
            column_ = reference != nullptr ? columnOf(reference) : column_ + 1;
            const char* type = xmlAttribute(attributes, "t");
            type_ = type != nullptr ? type : "n";
            const char* style = xmlAttribute(attributes, "s");
            const std::int64_t index = style != nullptr ? parseIndex(style) : 0;
            date_ = index >= 0 && static_cast<std::size_t>(index) < context_.dateStyles.size() &&
                    context_.dateStyles[static_cast<std::size_t>(index)];
            value_.clear();
            tooLong_ = false;
            inCell_ = true;
        } else if (inCell_ && (name == "v" || (name == "t" && phonetic_ == 0))) {
            inValue_ = true;
        } else if (name == "rPh") {
            ++phonetic_;
        }
    }

    void end(std::string_view name) override {
        if (name == "v" || name == "t") {
            inValue_ = false;
        } else if (name == "rPh" && phonetic_ > 0) {
            --phonetic_;
        } else if (name == "c" && inCell_) {
            inCell_ = false;
            finishCell();
        } else if (name == "row" && inRow_) {
            inRow_ = false;
            std::string error;
            if (!sink_.endRow(error)) {
                stream_->stop(error);
            }
        }
    }

    void text(std::string_view text) override {
        if (inValue_) {
            tooLong_ = appendLimited(value_, text, limits_.maxCellBytes) || tooLong_;
        }
    }

private:
    // "BC12" -> 54 (0-based); letters past any sane sheet give a column the
    // row ignores.
    static std::int64_t columnOf(std::string_view reference) {
        std::int64_t column = 0;
        for (char c : reference) {
            const char upper = static_cast<char>(c & ~0x20);
            if (upper < 'A' || upper > 'Z') {
                break;
            }
            column = std::min<std::int64_t>(column * 26 + (upper - 'A' + 1), 1 << 24);
        }
        return column - 1;
    }

    void finishCell() {
        std::string text;
        bool tooLong = tooLong_;
        if (type_ == "s") {
            const std::int64_t index = parseIndex(value_);
            if (index < 0 || static_cast<std::size_t>(index) >= context_.sharedStrings.size()) {
                return; // a reference to no text: an empty cell
            }
            text = context_.sharedStrings[static_cast<std::size_t>(index)];
            tooLong = context_.sharedTooLong[static_cast<std::size_t>(index)];
        } else if (type_ == "b") {
            text = trimmedView(value_) == "1" ? "TRUE" : "FALSE";
        } else if (type_ == "n") {
            const std::string_view literal = trimmedView(value_);
            double number = 0;
            const auto [end, problem] =
                std::from_chars(literal.data(), literal.data() + literal.size(), number);
            if (date_ && problem == std::errc() && end == literal.data() + literal.size() &&
                number >= 1 && number < 2958466) {
                text = isoDateOfSerial(number, context_.date1904);
            } else {
                text = shortestNumber(literal);
            }
        } else if (type_ == "d") {
            // An ISO date and time; midnight shows as the date alone.
            text = value_;
            const std::size_t t = text.find('T');
            if (t != std::string::npos &&
                text.find_first_not_of("0:.Z", t + 1) == std::string::npos) {
                text.resize(t);
            }
        } else {
            text = std::move(value_); // inline text, formula text, errors
        }
        if (column_ >= 0) {
            sink_.cell(static_cast<std::size_t>(column_), std::move(text), tooLong);
        }
    }

    const XlsxContext& context_;
    const WorkbookLimits& limits_;
    SheetRows sink_;
    XmlStream*& stream_;
    std::int64_t rowNumber_ = 0;
    std::int64_t column_ = -1;
    std::string type_;
    std::string value_;
    bool date_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    bool inValue_ = false;
    bool tooLong_ = false;
    int phonetic_ = 0;
};

// Runs a handler that may stop its own stream over XML text.
template <typename Part>
bool parseWhole(std::string_view xml, Part& part, XmlStream*& slot, int maxDepth,
                std::string& error) {
    XmlStream stream(part, maxDepth);
    slot = &stream;
    const bool ok = stream.feed(xml, true);
    slot = nullptr;
    if (!ok) {
        error = stream.error();
    }
    return ok;
}

// "xl/" + a relation's target, with "../" and a leading "/" resolved.
std::string partOfTarget(std::string_view target) {
    std::string path;
    if (!target.empty() && target.front() == '/') {
        target.remove_prefix(1);
    } else {
        path = "xl";
    }
    std::size_t at = 0;
    while (at <= target.size()) {
        std::size_t end = target.find('/', at);
        if (end == std::string_view::npos) {
            end = target.size();
        }
        const std::string_view piece = target.substr(at, end - at);
        if (piece == "..") {
            const std::size_t slash = path.rfind('/');
            path.resize(slash == std::string::npos ? 0 : slash);
        } else if (!piece.empty() && piece != ".") {
            if (!path.empty()) {
                path += '/';
            }
            path += piece;
        }
        at = end + 1;
    }
    return path;
}

// The sheet's index among `names` by name or number from 1; -1 when none.
int chosenSheet(const std::vector<std::string>& names, std::string_view wanted) {
    if (wanted.empty()) {
        return names.empty() ? -1 : 0;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == wanted) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (lowerAscii(names[i]) == lowerAscii(wanted)) {
            return static_cast<int>(i);
        }
    }
    const std::int64_t number = parseIndex(wanted);
    if (number >= 1 && static_cast<std::size_t>(number) <= names.size()) {
        return static_cast<int>(number - 1);
    }
    return -1;
}

std::string noSuchSheet(const std::vector<std::string>& names, std::string_view wanted) {
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < 20; ++i) {
        list += (i == 0 ? "\"" : ", \"") + quotable(names[i]) + "\"";
    }
    return "the workbook has no sheet \"" + quotable(wanted) + "\" (its sheets: " + list + ")";
}

bool readXlsx(ZipArchive& zip, std::string_view sheet, std::vector<TableRow>& rows,
              std::string& error, const WorkbookLimits& limits) {
    WorkbookPart workbook;
    if (!zip.parse("xl/workbook.xml", workbook, limits, error)) {
        if (!zip.has("xl/workbook.xml")) {
            error = "not an Excel workbook: it has no xl/workbook.xml";
        }
        return false;
    }
    RelationsPart relations;
    if (zip.has("xl/_rels/workbook.xml.rels") &&
        !zip.parse("xl/_rels/workbook.xml.rels", relations, limits, error)) {
        return false;
    }
    std::vector<std::string> names;
    for (const WorkbookPart::Sheet& entry : workbook.sheets) {
        names.push_back(entry.name);
    }
    const int chosen = chosenSheet(names, sheet);
    if (chosen < 0) {
        error = names.empty() ? "the workbook has no sheet" : noSuchSheet(names, sheet);
        return false;
    }
    std::string part = "xl/worksheets/sheet" + std::to_string(chosen + 1) + ".xml";
    for (const auto& [id, target] : relations.targets) {
        if (id == workbook.sheets[static_cast<std::size_t>(chosen)].relation) {
            part = partOfTarget(target);
        }
    }
    XlsxContext context;
    context.date1904 = workbook.date1904;
    StylesPart styles;
    if (zip.has("xl/styles.xml") && !zip.parse("xl/styles.xml", styles, limits, error)) {
        return false;
    }
    context.dateStyles = std::move(styles.dateStyles);
    XmlStream* stream = nullptr;
    if (zip.has("xl/sharedStrings.xml")) {
        SharedStringsPart strings(context, limits, stream);
        XmlStream xml(strings, limits.maxDepth);
        stream = &xml;
        if (!zip.read(
                "xl/sharedStrings.xml", limits.maxPartBytes,
                [&xml](std::string_view piece, bool last) { return xml.feed(piece, last); },
                error)) {
            if (error.empty()) {
                error = "xl/sharedStrings.xml: " + xml.error();
            }
            return false;
        }
    }
    SheetPart sheetPart(context, rows, limits, stream);
    XmlStream xml(sheetPart, limits.maxDepth);
    stream = &xml;
    if (!zip.read(
            part, limits.maxPartBytes,
            [&xml](std::string_view piece, bool last) { return xml.feed(piece, last); }, error)) {
        if (error.empty()) {
            error = part + ": " + xml.error();
        }
        return false;
    }
    return true;
}

} // namespace

std::string isoDateOfSerial(double serial, bool date1904) {
    auto whole = static_cast<std::int64_t>(std::floor(serial));
    std::int64_t days = 0; // since 1970-01-01
    if (date1904) {
        days = whole - 24107; // 1904-01-01 is day -24107
    } else if (whole == 60) {
        return "1900-02-29"; // the day the 1900 date system counts and the calendar has not
    } else {
        days = whole - (whole < 60 ? 25568 : 25569);
    }
    std::int64_t year = 0;
    unsigned month = 0;
    unsigned day = 0;
    civilFromDays(days, year, month, day);
    char text[32];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u", static_cast<long long>(year), month, day);
    return text;
}

std::string shortestNumber(std::string_view literal) {
    const std::string_view trimmed = trimmedView(literal);
    double number = 0;
    const auto [end, problem] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
    if (problem != std::errc() || end != trimmed.data() + trimmed.size() ||
        !std::isfinite(number)) {
        return std::string(literal);
    }
    if (number == 0) {
        number = 0; // no "-0"
    }
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, number);
    return std::string(text, written.ptr);
}

bool readXlsxSheet(std::string_view xml, const XlsxContext& context, std::vector<TableRow>& rows,
                   std::string& error, const WorkbookLimits& limits) {
    XmlStream* stream = nullptr;
    SheetPart part(context, rows, limits, stream);
    return parseWhole(xml, part, stream, limits.maxDepth, error);
}

bool readWorkbook(WorkbookKind kind, std::string_view bytes, std::string_view sheet,
                  std::vector<TableRow>& rows, std::string& error, const WorkbookLimits& limits) {
    rows.clear();
    ZipArchive zip;
    if (!zip.open(bytes, error)) {
        return false;
    }
    if (kind == WorkbookKind::Xlsx) {
        return readXlsx(zip, sheet, rows, error, limits);
    }
    if (!zip.has("content.xml")) {
        error = "not an OpenDocument spreadsheet: it has no content.xml";
        return false;
    }
    // The sheet is chosen while content.xml streams, so it is parsed once.
    return parseOdsContent(
        [&](XmlHandler& handler, XmlStream*& slot, std::string& problem) {
            XmlStream xml(handler, limits.maxDepth);
            slot = &xml;
            const bool ok = zip.read(
                "content.xml", limits.maxPartBytes,
                [&xml](std::string_view piece, bool last) { return xml.feed(piece, last); },
                problem);
            if (!ok && problem.empty()) {
                problem = "content.xml: " + xml.error();
            }
            slot = nullptr;
            return ok;
        },
        sheet, rows, error, limits);
}

} // namespace qv::interchange
