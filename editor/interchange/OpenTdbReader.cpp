// SPDX-License-Identifier: MIT
#include "editor/interchange/OpenTdbReader.h"

#include "editor/interchange/HtmlText.h"
#include "editor/interchange/Json.h"
#include "editor/interchange/TextInput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::interchange {
namespace {

using Kind = JsonValue::Kind;

// How the database was asked to encode the texts of a file.
enum class Encoding { Html, Url3986, UrlLegacy, Base64 };

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// %XX escapes (and + for a space in the older form) to bytes.
std::string urlDecoded(std::string_view text, bool plusIsSpace) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else if (text[i] == '+' && plusIsSpace) {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

int base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    if (c == '+' || c == '-') {
        return 62;
    }
    if (c == '/' || c == '_') {
        return 63;
    }
    return -1;
}

// Base64 to bytes; nothing when the text is no base64.
std::optional<std::string> base64Decoded(std::string_view text) {
    while (!text.empty() && text.back() == '=') {
        text.remove_suffix(1);
    }
    if (text.size() % 4 == 1) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(text.size() * 3 / 4);
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        const int digit = base64Digit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        bits = (bits << 6) | static_cast<std::uint32_t>(digit);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return out;
}

// Every string of the records, for telling the encoding.
void collectTexts(const JsonValue& value, std::vector<const std::string*>& texts) {
    if (value.kind == Kind::String) {
        texts.push_back(&value.text);
    }
    for (const JsonValue& item : value.items) {
        collectTexts(item, texts);
    }
}

// The encoding, told from the content: base64 types decode to "multiple"
// or "boolean"; URL-encoded texts hold %XX escapes and no spaces (the older
// form writes a space as +).
Encoding encodingOf(const std::vector<JsonValue>& items) {
    for (const JsonValue& item : items) {
        const JsonValue* type = item.kind == Kind::Object ? item.member("type") : nullptr;
        if (type == nullptr || type->kind != Kind::String) {
            continue;
        }
        if (type->text == "multiple" || type->text == "boolean") {
            break;
        }
        const std::optional<std::string> decoded = base64Decoded(type->text);
        if (decoded && (*decoded == "multiple" || *decoded == "boolean")) {
            return Encoding::Base64;
        }
        break;
    }
    std::vector<const std::string*> texts;
    for (const JsonValue& item : items) {
        collectTexts(item, texts);
    }
    bool escapes = false;
    bool plus = false;
    for (const std::string* text : texts) {
        if (text->find(' ') != std::string::npos) {
            return Encoding::Html;
        }
        for (std::size_t i = 0; i + 2 < text->size(); ++i) {
            if ((*text)[i] == '%' && hexDigit((*text)[i + 1]) >= 0 &&
                hexDigit((*text)[i + 2]) >= 0) {
                escapes = true;
            }
        }
        plus = plus || text->find('+') != std::string::npos;
    }
    if (!escapes) {
        return Encoding::Html;
    }
    return plus ? Encoding::UrlLegacy : Encoding::Url3986;
}

// A decoded field as UTF-8 text.
std::string decodedText(const std::string& text, Encoding encoding) {
    switch (encoding) {
    case Encoding::Html:
        return decodeEntities(text);
    case Encoding::Url3986:
        return decodeInput(urlDecoded(text, false));
    case Encoding::UrlLegacy:
        return decodeInput(urlDecoded(text, true));
    case Encoding::Base64: {
        const std::optional<std::string> bytes = base64Decoded(text);
        return bytes ? decodeInput(*bytes) : text;
    }
    }
    return text;
}

// The decoded text of a string member; false when it is missing or no string.
bool textOf(const JsonValue& object, std::string_view name, std::string& out, Encoding encoding) {
    const JsonValue* value = object.member(name);
    if (value == nullptr || value->kind != Kind::String) {
        return false;
    }
    out = decodedText(value->text, encoding);
    return true;
}

SourceRecord recordOf(const JsonValue& item, Encoding encoding) {
    if (item.kind != Kind::Object) {
        return refusedRecord(item.line, "not a question object");
    }
    std::string type;
    if (!textOf(item, "type", type, encoding)) {
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
    if (!textOf(item, "question", record.question, encoding)) {
        return refusedRecord(item.line, "the question has no \"question\" text");
    }
    if (!textOf(item, "correct_answer", record.answers[0], encoding)) {
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
        record.answers[k + 1] = decodedText(wrong->items[k].text, encoding);
    }
    record.placeCorrect = true;
    std::string difficulty;
    if (textOf(item, "difficulty", difficulty, encoding)) {
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
    const Encoding encoding = encodingOf(list->items);
    // Saved straight from the database, the whole file is one line: the
    // record's place tells the user which one is meant.
    const bool oneLine = utf8.find_first_of("\r\n") == std::string_view::npos ||
                         trimmedView(utf8).find_first_of("\r\n") == std::string_view::npos;
    int index = 0;
    for (const JsonValue& item : list->items) {
        records.push_back(recordOf(item, encoding));
        records.back().recordIndex = oneLine ? ++index : 0;
    }
    return records;
}

} // namespace qv::interchange
