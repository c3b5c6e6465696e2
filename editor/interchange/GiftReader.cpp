// SPDX-License-Identifier: MIT
#include "editor/interchange/GiftReader.h"

#include "editor/interchange/HtmlText.h"
#include "editor/interchange/LineReader.h"
#include "editor/interchange/TextInput.h"

#include <string>
#include <vector>

namespace qv::interchange {
namespace {

constexpr std::string_view specials = "~=#{}:";

// The position of `target` at or after `from` that no backslash escapes.
std::size_t findUnescaped(std::string_view text, std::string_view target, std::size_t from = 0) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text.substr(i, target.size()) == target) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Resolves the escapes: \~ \= \# \{ \} \: \\ stand for the character, \n for
// a line break; a backslash before anything else is kept.
std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (specials.find(next) != std::string_view::npos || next == '\\') {
                out += next;
                ++i;
                continue;
            }
            if (next == 'n') {
                out += '\n';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string_view trimAll(std::string_view text) {
    return trimmedView(text);
}

struct Answer {
    char marker;
    std::string_view text;
};

// Splits the inside of the braces at every unescaped = and ~.
std::vector<Answer> splitAnswers(std::string_view block) {
    std::vector<Answer> answers;
    std::size_t start = std::string_view::npos;
    char marker = 0;
    for (std::size_t i = 0; i <= block.size(); ++i) {
        if (i < block.size() && block[i] == '\\') {
            ++i;
            continue;
        }
        if (i == block.size() || block[i] == '=' || block[i] == '~') {
            if (start != std::string_view::npos) {
                answers.push_back({marker, block.substr(start, i - start)});
            }
            if (i < block.size()) {
                marker = block[i];
                start = i + 1;
            }
        }
    }
    return answers;
}

SourceRecord readQuestion(std::string_view text, int line) {
    text = trimAll(text);
    if (text.substr(0, 2) == "::") {
        const std::size_t end = findUnescaped(text, "::", 2);
        if (end == std::string_view::npos) {
            return refusedRecord(line, "the title's closing :: is missing");
        }
        text = trimAll(text.substr(end + 2));
    }
    bool html = false;
    for (std::string_view format : {"[html]", "[moodle]", "[plain]", "[markdown]"}) {
        if (text.substr(0, format.size()) == format) {
            html = format == "[html]";
            text = trimAll(text.substr(format.size()));
        }
    }
    const std::size_t open = findUnescaped(text, "{");
    if (open == std::string_view::npos) {
        return refusedRecord(line, "a description without answers, not a question");
    }
    const std::size_t close = findUnescaped(text, "}", open + 1);
    if (close == std::string_view::npos) {
        return refusedRecord(line, "the answers' closing } is missing");
    }
    std::string_view block = trimAll(text.substr(open + 1, close - open - 1));
    // General feedback after #### belongs to no answer.
    if (const std::size_t general = findUnescaped(block, "####");
        general != std::string_view::npos) {
        block = trimAll(block.substr(0, general));
    }
    if (block.empty()) {
        return refusedRecord(line, "an essay question");
    }
    if (block[0] == '#') {
        return refusedRecord(line, "a numerical question");
    }
    const std::string_view truth = trimAll(block.substr(0, findUnescaped(block, "#")));
    for (std::string_view word : {"T", "F", "TRUE", "FALSE"}) {
        if (lowerAscii(truth) == lowerAscii(word)) {
            return refusedRecord(line, "a true/false question");
        }
    }
    const std::vector<Answer> answers = splitAnswers(block);
    int right = 0;
    int wrong = 0;
    bool matching = false;
    bool weighted = false;
    for (const Answer& answer : answers) {
        (answer.marker == '=' ? right : wrong) += 1;
        matching = matching || findUnescaped(answer.text, "->") != std::string_view::npos;
        weighted = weighted || trimAll(answer.text).substr(0, 1) == "%";
    }
    if (answers.empty()) {
        return refusedRecord(line, "the answers are not marked with = and ~");
    }
    if (matching) {
        return refusedRecord(line, "a matching question");
    }
    if (weighted) {
        return refusedRecord(line, "answers with %weights% (partial credit), not one right answer");
    }
    if (wrong == 0) {
        return refusedRecord(line, "a short-answer question");
    }
    if (right != 1) {
        return refusedRecord(line, right == 0 ? "no answer is marked right with ="
                                              : "more than one answer is marked right with =");
    }
    if (answers.size() != 4) {
        return refusedRecord(line, "a multiple-choice question with " +
                                       std::to_string(answers.size()) +
                                       " answers; a question here needs exactly four");
    }
    SourceRecord record;
    record.line = line;
    auto clean = [html](std::string_view raw) {
        std::string text = unescape(raw);
        return html ? plainFromHtml(text) : text;
    };
    // Text after the braces makes a missing-word question: the answers go
    // where the blank is.
    const std::string_view before = trimAll(text.substr(0, open));
    const std::string_view after = trimAll(text.substr(close + 1));
    record.question = clean(before);
    if (!after.empty()) {
        record.question += " _____ " + clean(after);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        std::string_view answer = answers[k].text;
        answer = answer.substr(0, findUnescaped(answer, "#")); // per-answer feedback
        record.answers[k] = clean(trimAll(answer));
        if (answers[k].marker == '=') {
            record.correct = std::string(1, static_cast<char>('A' + k));
        }
    }
    return record;
}

bool isComment(std::string_view line) {
    return trimBlanks(line).substr(0, 2) == "//";
}

} // namespace

SourceRecords readGift(std::string_view utf8) {
    SourceRecords records;
    LineReader lines(utf8);
    std::string_view raw;
    std::string pending;
    int start = 0;
    auto flush = [&] {
        if (!pending.empty()) {
            records.push_back(readQuestion(pending, start));
            pending.clear();
        }
    };
    while (lines.next(raw)) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty()) {
            flush();
            continue;
        }
        if (isComment(line)) {
            continue;
        }
        if (pending.empty() && line.substr(0, 10) == "$CATEGORY:") {
            continue; // categories have no place in a set
        }
        if (pending.empty()) {
            start = lines.number();
        } else {
            pending += '\n';
        }
        pending += raw;
    }
    flush();
    return records;
}

} // namespace qv::interchange
