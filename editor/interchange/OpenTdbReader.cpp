// SPDX-License-Identifier: MIT
#include "editor/interchange/OpenTdbReader.h"

#include "editor/interchange/HtmlText.h"
#include "editor/interchange/Json.h"
#include "editor/interchange/TextInput.h"

#include <string>

namespace qv::interchange {
namespace {

using Kind = JsonValue::Kind;

// The decoded text of a string member; false when it is missing or no string.
bool textOf(const JsonValue& object, std::string_view name, std::string& out) {
    const JsonValue* value = object.member(name);
    if (value == nullptr || value->kind != Kind::String) {
        return false;
    }
    out = decodeEntities(value->text);
    return true;
}

SourceRecord recordOf(const JsonValue& item) {
    if (item.kind != Kind::Object) {
        return refusedRecord(item.line, "not a question object");
    }
    std::string type;
    if (!textOf(item, "type", type)) {
        return refusedRecord(item.line, "the question has no \"type\"");
    }
    if (type == "boolean") {
        return refusedRecord(item.line, "a true/false question");
    }
    if (type != "multiple") {
        return refusedRecord(item.line,
                             "a question of type \"" + quotable(type) + "\", not \"multiple\"");
    }
    SourceRecord record;
    record.line = item.line;
    if (!textOf(item, "question", record.question)) {
        return refusedRecord(item.line, "the question has no \"question\" text");
    }
    if (!textOf(item, "correct_answer", record.answers[0])) {
        return refusedRecord(item.line, "the question has no \"correct_answer\"");
    }
    const JsonValue* wrong = item.member("incorrect_answers");
    if (wrong == nullptr || wrong->kind != Kind::Array) {
        return refusedRecord(item.line, "the question has no \"incorrect_answers\" list");
    }
    if (wrong->items.size() != 3) {
        return refusedRecord(item.line, "the question has " + std::to_string(wrong->items.size()) +
                                            " wrong answers; a question here needs three");
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (wrong->items[k].kind != Kind::String) {
            return refusedRecord(item.line, "a wrong answer is not a text");
        }
        record.answers[k + 1] = decodeEntities(wrong->items[k].text);
    }
    record.placeCorrect = true;
    std::string difficulty;
    if (textOf(item, "difficulty", difficulty)) {
        record.rung = difficulty;
    }
    return record;
}

} // namespace

SourceRecords readOpenTdb(std::string_view utf8) {
    SourceRecords records;
    JsonValue root;
    std::string error;
    int errorLine = 0;
    if (!parseJson(utf8, root, error, errorLine)) {
        records.push_back(refusedRecord(errorLine, "not readable as JSON: " + error));
        return records;
    }
    const JsonValue* list = &root;
    if (root.kind == Kind::Object) {
        list = root.member("results");
        if (list == nullptr || list->kind != Kind::Array) {
            records.push_back(
                refusedRecord(root.line, "the object holds no \"results\" list of questions"));
            return records;
        }
        const JsonValue* code = root.member("response_code");
        if (list->items.empty() && code != nullptr && code->kind == Kind::Number &&
            code->text != "0") {
            records.push_back(refusedRecord(code->line, "the response has response_code " +
                                                            code->text + " and no questions"));
            return records;
        }
    } else if (root.kind != Kind::Array) {
        records.push_back(
            refusedRecord(root.line, "neither a response object nor a list of questions"));
        return records;
    }
    for (const JsonValue& item : list->items) {
        records.push_back(recordOf(item));
    }
    return records;
}

} // namespace qv::interchange
