// SPDX-License-Identifier: MIT
#include "editor/interchange/Columns.h"

#include "editor/interchange/TextInput.h"

#include <algorithm>
#include <charconv>

namespace qv::interchange {
namespace {

constexpr std::array<std::string_view, roleCount> shortNames = {
    "question", "a",      "b",      "c",       "d",    "correct",
    "wrong1",   "wrong2", "wrong3", "choices", "rung", "picture"};

struct Alias {
    std::string_view name; // folded: lower case letters and digits only
    Role role;
};

// The names that quiz platforms, trivia dumps and teachers' templates give
// their columns, folded.
constexpr Alias aliases[] = {
    {"question", Role::Question},
    {"questiontext", Role::Question},
    {"questiontitle", Role::Question},
    {"prompt", Role::Question},
    {"q", Role::Question},
    {"a", Role::A},
    {"b", Role::B},
    {"c", Role::C},
    {"d", Role::D},
    {"answera", Role::A},
    {"answerb", Role::B},
    {"answerc", Role::C},
    {"answerd", Role::D},
    {"answer1", Role::A},
    {"answer2", Role::B},
    {"answer3", Role::C},
    {"answer4", Role::D},
    {"optiona", Role::A},
    {"optionb", Role::B},
    {"optionc", Role::C},
    {"optiond", Role::D},
    {"option1", Role::A},
    {"option2", Role::B},
    {"option3", Role::C},
    {"option4", Role::D},
    {"choicea", Role::A},
    {"choiceb", Role::B},
    {"choicec", Role::C},
    {"choiced", Role::D},
    {"choice1", Role::A},
    {"choice2", Role::B},
    {"choice3", Role::C},
    {"choice4", Role::D},
    {"correct", Role::Correct},
    {"correctanswer", Role::Correct},
    {"answer", Role::Correct},
    {"rightanswer", Role::Correct},
    {"correctoption", Role::Correct},
    {"correctchoice", Role::Correct},
    {"answerkey", Role::Correct},
    {"key", Role::Correct},
    {"wrong1", Role::Wrong1},
    {"wrong2", Role::Wrong2},
    {"wrong3", Role::Wrong3},
    {"wronganswer1", Role::Wrong1},
    {"wronganswer2", Role::Wrong2},
    {"wronganswer3", Role::Wrong3},
    {"incorrect1", Role::Wrong1},
    {"incorrect2", Role::Wrong2},
    {"incorrect3", Role::Wrong3},
    {"incorrectanswer1", Role::Wrong1},
    {"incorrectanswer2", Role::Wrong2},
    {"incorrectanswer3", Role::Wrong3},
    {"incorrectanswers1", Role::Wrong1},
    {"incorrectanswers2", Role::Wrong2},
    {"incorrectanswers3", Role::Wrong3},
    {"distractor1", Role::Wrong1},
    {"distractor2", Role::Wrong2},
    {"distractor3", Role::Wrong3},
    {"choices", Role::Choices},
    {"options", Role::Choices},
    {"answers", Role::Choices},
    {"rung", Role::Rung},
    {"difficulty", Role::Rung},
    {"level", Role::Rung},
    {"prize", Role::Rung},
    {"picture", Role::Picture},
    {"pic", Role::Picture},
    {"image", Role::Picture},
    {"picturefile", Role::Picture},
    {"imagefile", Role::Picture},
};

std::string folded(std::string_view name) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (name.substr(0, byteOrderMark.size()) == byteOrderMark) {
        name.remove_prefix(byteOrderMark.size()); // text pasted from a file
    }
    std::string out;
    for (char c : trimmedView(name)) {
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   static_cast<unsigned char>(c) >= 0x80) {
            out += c;
        }
    }
    return out;
}

bool has(const ColumnMap& map, Role role) {
    return map[role] >= 0;
}

bool plainNegativeNumber(std::string_view text) {
    if (text.size() < 2 || text[0] != '-') {
        return false;
    }
    std::size_t i = 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i == 1) {
        return false;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        const std::size_t fraction = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        if (i == fraction) {
            return false;
        }
    }
    return i == text.size();
}

bool needsGuard(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const char c = text.front();
    return c == '=' || c == '+' || c == '@' || c == '\'' ||
           (c == '-' && !plainNegativeNumber(text));
}

// The four answers of a Choices cell: apart by line breaks, |, ; or commas,
// the first of these that gives exactly four.
bool splitChoices(std::string_view cell, std::array<std::string, 4>& answers) {
    for (std::string_view separators : {std::string_view("\r\n"), std::string_view("|"),
                                        std::string_view(";"), std::string_view(",")}) {
        std::vector<std::string_view> parts;
        std::size_t at = 0;
        for (;;) {
            const std::size_t end = cell.find_first_of(separators, at);
            const std::string_view part =
                trimmedView(cell.substr(at, end == std::string_view::npos ? end : end - at));
            if (!part.empty()) {
                parts.push_back(part);
            }
            if (end == std::string_view::npos) {
                break;
            }
            at = end + 1;
        }
        if (parts.size() == 4) {
            for (std::size_t k = 0; k < 4; ++k) {
                answers[k] = std::string(parts[k]);
            }
            return true;
        }
    }
    return false;
}

// A first row under user-chosen columns is the header when its question
// cell names the question column or, with four answer columns, when its
// correct answer could not be one. With the answers in one cell or as a
// right one and wrong ones, the first row is always the header.
bool looksLikeHeader(const TableRow& row, const ColumnMap& map) {
    auto cell = [&row](int index) -> std::string_view {
        return index >= 0 && static_cast<std::size_t>(index) < row.cells.size()
                   ? std::string_view(row.cells[static_cast<std::size_t>(index)])
                   : std::string_view();
    };
    if (!has(map, Role::A) || roleOfHeader(cell(map[Role::Question])) == Role::Question) {
        return true;
    }
    const std::string_view correct = trimmedView(cell(map[Role::Correct]));
    if (correct.size() == 1 &&
        std::string_view("ABCDabcd1234").find(correct[0]) != std::string_view::npos) {
        return false;
    }
    for (Role answer : {Role::A, Role::B, Role::C, Role::D}) {
        if (!correct.empty() && trimmedView(cell(map[answer])) == correct) {
            return false;
        }
    }
    return true;
}

SourceRecord recordOf(TableRow& row, const ColumnMap& map, bool dropGuard) {
    SourceRecord record;
    record.line = row.line;
    auto take = [&](Role role, std::string& into) {
        const int i = map[role];
        if (i >= 0 && static_cast<std::size_t>(i) < row.cells.size()) {
            std::string& cell = row.cells[static_cast<std::size_t>(i)];
            into = dropGuard ? std::string(unguardFormula(cell)) : std::move(cell);
        }
    };
    take(Role::Question, record.question);
    take(Role::Rung, record.rung);
    take(Role::Picture, record.picture);
    if (has(map, Role::A)) {
        take(Role::A, record.answers[0]);
        take(Role::B, record.answers[1]);
        take(Role::C, record.answers[2]);
        take(Role::D, record.answers[3]);
        take(Role::Correct, record.correct);
    } else if (has(map, Role::Choices)) {
        std::string choices;
        take(Role::Choices, choices);
        if (!splitChoices(choices, record.answers)) {
            return refusedRecord(row.line, "the choices \"" + quotable(choices) +
                                               "\" are not four answers apart by line breaks, "
                                               "|, ; or commas");
        }
        take(Role::Correct, record.correct);
    } else {
        take(Role::Correct, record.answers[0]);
        take(Role::Wrong1, record.answers[1]);
        take(Role::Wrong2, record.answers[2]);
        take(Role::Wrong3, record.answers[3]);
        record.placeCorrect = true;
    }
    return record;
}

} // namespace

std::string_view roleName(Role role) {
    return shortNames[static_cast<std::size_t>(role)];
}

std::optional<Role> roleOfHeader(std::string_view name) {
    const std::string key = folded(name);
    for (const Alias& alias : aliases) {
        if (alias.name == key) {
            return alias.role;
        }
    }
    return std::nullopt;
}

std::string mapProblem(const ColumnMap& map) {
    std::vector<Role> missing;
    if (!has(map, Role::Question)) {
        missing.push_back(Role::Question);
    }
    const bool letters =
        has(map, Role::A) || has(map, Role::B) || has(map, Role::C) || has(map, Role::D);
    const bool wrongs = has(map, Role::Wrong1) || has(map, Role::Wrong2) || has(map, Role::Wrong3);
    if (letters || (!has(map, Role::Choices) && !wrongs)) {
        for (Role answer : {Role::A, Role::B, Role::C, Role::D}) {
            if (!has(map, answer)) {
                missing.push_back(answer);
            }
        }
    } else if (!has(map, Role::Choices)) {
        for (Role wrong : {Role::Wrong1, Role::Wrong2, Role::Wrong3}) {
            if (!has(map, wrong)) {
                missing.push_back(wrong);
            }
        }
    }
    if (!has(map, Role::Correct)) {
        missing.push_back(Role::Correct);
    }
    if (missing.empty()) {
        return {};
    }
    std::string list;
    for (Role role : missing) {
        list += (list.empty() ? "" : ", ") + std::string(roleName(role));
    }
    return "the first row must name the columns question, a, b, c, d and correct "
           "(or correct_answer and three incorrect answers; missing: " +
           list + "); --columns can say which columns hold them";
}

bool parseColumnMap(std::string_view text, ColumnMap& map, std::string& error) {
    map = ColumnMap{};
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find(',', at);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view item = trimmedView(text.substr(at, end - at));
        at = end + 1;
        if (item.empty()) {
            continue;
        }
        const std::size_t equals = item.find('=');
        const std::string_view name = trimmedView(item.substr(0, equals));
        const std::string_view value = equals == std::string_view::npos
                                           ? std::string_view()
                                           : trimmedView(item.substr(equals + 1));
        const auto* found = std::find(shortNames.begin(), shortNames.end(), lowerAscii(name));
        if (found == shortNames.end()) {
            error = "--columns: \"" + quotable(name) +
                    "\" is none of question, a, b, c, d, correct, wrong1, wrong2, wrong3, "
                    "choices, rung, picture";
            return false;
        }
        int column = 0;
        if (!value.empty() && value.find_first_not_of("0123456789") == std::string_view::npos &&
            value.size() <= 4) {
            std::from_chars(value.data(), value.data() + value.size(), column);
        } else if (!value.empty() && value.size() <= 2 &&
                   std::all_of(value.begin(), value.end(), [](char c) {
                       return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
                   })) {
            for (char c : value) {
                column = column * 26 + (static_cast<char>(c | 0x20) - 'a' + 1);
            }
        }
        if (column < 1 || column > 1024) {
            error = "--columns: " + std::string(*found) + " needs a column number from 1 (was \"" +
                    quotable(value) + "\")";
            return false;
        }
        const auto role = static_cast<Role>(found - shortNames.begin());
        if (has(map, role)) {
            error = "--columns names " + std::string(*found) + " twice";
            return false;
        }
        map[role] = column - 1;
    }
    const std::string problem = mapProblem(map);
    if (!problem.empty()) {
        const std::size_t from = problem.find("missing: ");
        error = "--columns lacks " + problem.substr(from + 9, problem.find(')', from) - from - 9);
        return false;
    }
    return true;
}

ColumnMap mapOfHeader(const std::vector<std::string>& header, std::string& problem,
                      std::vector<std::string>* ignored) {
    ColumnMap map;
    problem.clear();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::optional<Role> role = roleOfHeader(header[i]);
        if (!role) {
            if (ignored != nullptr && !trimmedView(header[i]).empty()) {
                ignored->push_back(std::string(trimmedView(header[i])));
            }
            continue;
        }
        if (has(map, *role)) {
            problem =
                "the header row names the column \"" + std::string(roleName(*role)) + "\" twice";
            return map;
        }
        map[*role] = static_cast<int>(i);
    }
    problem = mapProblem(map);
    return map;
}

bool isBlankRow(const TableRow& row) {
    return row.problem.empty() &&
           std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& cell) {
               return cell.find_first_not_of(" \t") == std::string::npos;
           });
}

const TableRow* firstFilledRow(const std::vector<TableRow>& rows) {
    for (const TableRow& row : rows) {
        if (!isBlankRow(row)) {
            return &row;
        }
    }
    return nullptr;
}

SourceRecords recordsOfRows(std::vector<TableRow>& rows, const TableOptions& options,
                            std::vector<std::string>& notes) {
    SourceRecords records;
    const TableRow* first = firstFilledRow(rows);
    if (first == nullptr) {
        return records;
    }
    ColumnMap map;
    const TableRow* header = nullptr;
    if (options.columns) {
        map = *options.columns;
        if (first->problem.empty() && looksLikeHeader(*first, map)) {
            header = first;
        }
    } else {
        std::string problem;
        std::vector<std::string> ignored;
        map = mapOfHeader(first->cells, problem, &ignored);
        if (!problem.empty()) {
            records.push_back(refusedRecord(first->line, problem));
            return records;
        }
        header = first;
        if (!ignored.empty()) {
            std::string list;
            for (const std::string& name : ignored) {
                list += (list.empty() ? "\"" : ", \"") + quotable(name) + "\"";
            }
            notes.push_back((ignored.size() == 1 ? "the column " : "the columns ") + list +
                            (ignored.size() == 1 ? " is" : " are") + " not used");
        }
    }
    const std::size_t named = header != nullptr ? header->cells.size() : 0;
    records.reserve(rows.size());
    for (TableRow& row : rows) {
        if (&row == header || isBlankRow(row)) {
            continue;
        }
        if (!row.problem.empty()) {
            records.push_back(refusedRecord(row.line, row.problem));
            continue;
        }
        if (options.strictWidth && header != nullptr && row.cells.size() > named &&
            std::any_of(row.cells.begin() + static_cast<std::ptrdiff_t>(named), row.cells.end(),
                        [](const std::string& f) { return !f.empty(); })) {
            records.push_back(refusedRecord(
                row.line, "the row has " + std::to_string(row.cells.size()) +
                              " fields but the header names " + std::to_string(named) +
                              " (a field holding the separator needs quotes)"));
            continue;
        }
        records.push_back(recordOf(row, map, options.dropFormulaGuard));
    }
    return records;
}

std::string guardFormula(std::string_view text) {
    if (!needsGuard(text)) {
        return std::string(text);
    }
    std::string guarded;
    guarded.reserve(text.size() + 1);
    guarded += '\'';
    guarded += text;
    return guarded;
}

std::string_view unguardFormula(std::string_view text) {
    if (text.size() >= 2 && text.front() == '\'' && needsGuard(text.substr(1))) {
        return text.substr(1);
    }
    return text;
}

} // namespace qv::interchange
