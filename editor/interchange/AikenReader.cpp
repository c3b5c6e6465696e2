// SPDX-License-Identifier: MIT
#include "editor/interchange/AikenReader.h"

#include "editor/interchange/LineReader.h"

#include <string>
#include <vector>

namespace qv::interchange {
namespace {

struct Pending {
    int line = 0;
    std::string question;
    std::vector<std::pair<char, std::string>> options;
    std::string problem;
};

// "A) text" or "A. text": the letter, or 0 when the line is no option.
char optionLetter(std::string_view line) {
    if (line.size() >= 2 && line[0] >= 'A' && line[0] <= 'Z' &&
        (line[1] == ')' || line[1] == '.') &&
        (line.size() == 2 || line[2] == ' ' || line[2] == '\t')) {
        return line[0];
    }
    return 0;
}

bool startsWithAnswer(std::string_view line) {
    constexpr std::string_view key = "ANSWER:";
    if (line.size() < key.size()) {
        return false;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = line[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c) != key[i]) {
            return false;
        }
    }
    return true;
}

SourceRecord finish(Pending& pending, std::string_view answer, bool answered) {
    if (!pending.problem.empty()) {
        return refusedRecord(pending.line, pending.problem);
    }
    if (!answered) {
        return refusedRecord(pending.line, "the question has no ANSWER: line");
    }
    if (pending.options.size() != 4) {
        return refusedRecord(pending.line, "the question has " +
                                               std::to_string(pending.options.size()) +
                                               " options; it needs four, A to D");
    }
    SourceRecord record;
    record.line = pending.line;
    record.question = std::move(pending.question);
    for (std::size_t k = 0; k < 4; ++k) {
        record.answers[k] = std::move(pending.options[k].second);
    }
    record.correct = std::string(answer);
    return record;
}

} // namespace

SourceRecords readAiken(std::string_view utf8) {
    SourceRecords records;
    LineReader lines(utf8);
    std::string_view raw;
    bool open = false;
    Pending pending;
    while (lines.next(raw)) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty()) {
            if (open) {
                records.push_back(finish(pending, {}, false));
                open = false;
            }
            continue;
        }
        if (!open) {
            pending = Pending{};
            pending.line = lines.number();
            pending.question = std::string(line);
            open = true;
            continue;
        }
        if (startsWithAnswer(line)) {
            records.push_back(finish(pending, trimBlanks(line.substr(7)), true));
            open = false;
            continue;
        }
        const char letter = optionLetter(line);
        if (letter != 0) {
            const char expected = static_cast<char>('A' + pending.options.size());
            if (letter != expected && pending.problem.empty()) {
                pending.problem = std::string("option ") + letter + " comes where " +
                                  (expected <= 'D' ? std::string(1, expected) : "ANSWER:") +
                                  " should";
            }
            pending.options.emplace_back(letter, std::string(trimBlanks(line.substr(2))));
        } else if (pending.options.empty()) {
            // A question wrapped over several lines is still one question.
            pending.question += ' ';
            pending.question += line;
        } else if (pending.problem.empty()) {
            pending.problem = "line " + std::to_string(lines.number()) +
                              " is neither an option A) to D) nor the ANSWER: line";
        }
    }
    if (open) {
        records.push_back(finish(pending, {}, false));
    }
    return records;
}

} // namespace qv::interchange
