// SPDX-License-Identifier: MIT
// The cells of an OpenDocument spreadsheet's content part.

#include "editor/interchange/SheetRows.h"
#include "editor/interchange/TextInput.h"
#include "editor/interchange/XmlStream.h"

#include <charconv>

namespace qv::interchange {
namespace {

std::int64_t repeatOf(const char* value) {
    if (value == nullptr) {
        return 1;
    }
    std::int64_t count = 1;
    const std::string_view text(value);
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (problem != std::errc() || count < 1) {
        return 1;
    }
    return std::min<std::int64_t>(count, std::int64_t{1} << 31);
}

class ContentPart : public XmlHandler {
public:
    ContentPart(std::string_view wanted, std::vector<TableRow>& rows, const WorkbookLimits& limits,
                XmlStream*& stream)
        : wanted_(wanted), limits_(limits), sink_(rows, limits), stream_(stream) {}

    std::vector<std::string> names;
    bool found = false;

    void start(std::string_view name, const char* const* attributes) override {
        if (name == "table") {
            if (tableDepth_++ == 0) {
                const char* tableName = xmlAttribute(attributes, "name");
                if (names.size() < 10000) {
                    names.emplace_back(tableName != nullptr ? tableName : "");
                }
                chosen_ = !found && isWanted(tableName != nullptr ? tableName : "");
                found = found || chosen_;
                rowNumber_ = 1;
            }
            return;
        }
        if (!chosen_ || tableDepth_ != 1) {
            return;
        }
        if (name == "table-row") {
            rowRepeat_ = repeatOf(xmlAttribute(attributes, "number-rows-repeated"));
            sink_.beginRow(rowNumber_);
            column_ = 0;
            inRow_ = true;
        } else if ((name == "table-cell" || name == "covered-table-cell") && inRow_) {
            inCell_ = true;
            cellRepeat_ = repeatOf(xmlAttribute(attributes, "number-columns-repeated"));
            const char* type = xmlAttribute(attributes, "value-type");
            type_ = type != nullptr ? type : "";
            const char* value = nullptr;
            if (type_ == "float" || type_ == "percentage" || type_ == "currency") {
                value = xmlAttribute(attributes, "value");
            } else if (type_ == "date") {
                value = xmlAttribute(attributes, "date-value");
            } else if (type_ == "boolean") {
                value = xmlAttribute(attributes, "boolean-value");
            }
            value_ = value != nullptr ? value : "";
            text_.clear();
            paragraphs_ = 0;
            tooLong_ = false;
        } else if (!inCell_) {
            return;
        } else if (name == "annotation") {
            ++annotation_;
        } else if (annotation_ > 0) {
            return;
        } else if (name == "p" || name == "h") {
            if (paragraphs_++ > 0) {
                add("\n");
            }
            ++inParagraph_;
        } else if (name == "s" && inParagraph_ > 0) {
            const std::int64_t count =
                std::min<std::int64_t>(repeatOf(xmlAttribute(attributes, "c")),
                                       static_cast<std::int64_t>(limits_.maxCellBytes) + 1);
            add(std::string(static_cast<std::size_t>(count), ' '));
        } else if (name == "tab" && inParagraph_ > 0) {
            add("\t");
        } else if (name == "line-break" && inParagraph_ > 0) {
            add("\n");
        }
    }

    void end(std::string_view name) override {
        if (name == "table") {
            if (--tableDepth_ == 0) {
                chosen_ = false;
            }
            return;
        }
        if (!chosen_ || tableDepth_ != 1) {
            return;
        }
        if (name == "annotation" && annotation_ > 0) {
            --annotation_;
        } else if ((name == "p" || name == "h") && inParagraph_ > 0 && annotation_ == 0) {
            --inParagraph_;
        } else if ((name == "table-cell" || name == "covered-table-cell") && inCell_) {
            inCell_ = false;
            finishCell();
        } else if (name == "table-row" && inRow_) {
            inRow_ = false;
            std::string error;
            if (!sink_.endRow(error, rowRepeat_)) {
                stream_->stop(error);
            }
            rowNumber_ = std::min<std::int64_t>(rowNumber_ + rowRepeat_, std::int64_t{1} << 40);
        }
    }

    void text(std::string_view text) override {
        if (inCell_ && inParagraph_ > 0 && annotation_ == 0) {
            add(text);
        }
    }

private:
    bool isWanted(std::string_view tableName) const {
        if (wanted_.empty()) {
            return true;
        }
        if (tableName == wanted_ || lowerAscii(tableName) == lowerAscii(wanted_)) {
            return true;
        }
        std::int64_t number = 0;
        const auto [end, problem] =
            std::from_chars(wanted_.data(), wanted_.data() + wanted_.size(), number);
        return problem == std::errc() && end == wanted_.data() + wanted_.size() &&
               number == static_cast<std::int64_t>(names.size());
    }

    void add(std::string_view text) {
        tooLong_ = appendLimited(text_, text, limits_.maxCellBytes) || tooLong_;
    }

    void finishCell() {
        std::string text;
        if (type_ == "float" || type_ == "percentage" || type_ == "currency") {
            text = value_.empty() ? text_ : shortestNumber(value_);
        } else if (type_ == "date" && !value_.empty()) {
            text = value_;
            const std::size_t t = text.find('T');
            if (t != std::string::npos &&
                text.find_first_not_of("0:.", t + 1) == std::string::npos) {
                text.resize(t);
            }
        } else if (type_ == "boolean" && !value_.empty()) {
            text = value_ == "true" ? "TRUE" : "FALSE";
        } else {
            text = text_;
        }
        if (text.empty() && !tooLong_) {
            column_ = std::min<std::int64_t>(column_ + cellRepeat_, std::int64_t{1} << 40);
            return;
        }
        for (std::int64_t k = 0; k < cellRepeat_; ++k, ++column_) {
            if (column_ >= static_cast<std::int64_t>(limits_.maxColumns)) {
                column_ += cellRepeat_ - k;
                break;
            }
            sink_.cell(static_cast<std::size_t>(column_), std::string(text), tooLong_);
        }
    }

    std::string wanted_;
    const WorkbookLimits& limits_;
    SheetRows sink_;
    XmlStream*& stream_;
    int tableDepth_ = 0;
    bool chosen_ = false;
    std::int64_t rowNumber_ = 1;
    std::int64_t rowRepeat_ = 1;
    std::int64_t column_ = 0;
    std::int64_t cellRepeat_ = 1;
    bool inRow_ = false;
    bool inCell_ = false;
    std::string type_;
    std::string value_;
    std::string text_;
    int paragraphs_ = 0;
    int inParagraph_ = 0;
    int annotation_ = 0;
    bool tooLong_ = false;
};

} // namespace

bool parseOdsContent(const std::function<bool(XmlHandler&, XmlStream*&, std::string&)>& feed,
                     std::string_view sheet, std::vector<TableRow>& rows, std::string& error,
                     const WorkbookLimits& limits) {
    XmlStream* stream = nullptr;
    ContentPart part(sheet, rows, limits, stream);
    if (!feed(part, stream, error)) {
        return false;
    }
    if (!part.found) {
        if (part.names.empty()) {
            error = "the workbook has no sheet";
            return false;
        }
        std::string list;
        for (std::size_t i = 0; i < part.names.size() && i < 20; ++i) {
            list += (i == 0 ? "\"" : ", \"") + quotable(part.names[i]) + "\"";
        }
        error = "the workbook has no sheet \"" + quotable(sheet) + "\" (its sheets: " + list + ")";
        return false;
    }
    return true;
}

bool readOdsContent(std::string_view xml, std::string_view sheet, std::vector<TableRow>& rows,
                    std::string& error, const WorkbookLimits& limits) {
    rows.clear();
    return parseOdsContent(
        [&](XmlHandler& handler, XmlStream*& slot, std::string& problem) {
            XmlStream stream(handler, limits.maxDepth);
            slot = &stream;
            const bool ok = stream.feed(xml, true);
            slot = nullptr;
            if (!ok) {
                problem = stream.error();
            }
            return ok;
        },
        sheet, rows, error, limits);
}

} // namespace qv::interchange
