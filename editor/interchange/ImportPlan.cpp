// SPDX-License-Identifier: MIT
#include "editor/interchange/ImportPlan.h"

#include "common/Utf16.h"
#include "editor/interchange/TextInput.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <unordered_set>

namespace qv::interchange {
namespace {

constexpr std::array<int, 15> prizes = {100,   200,   300,   500,    1000,   2000,   4000,   8000,
                                        16000, 32000, 64000, 125000, 250000, 500000, 1000000};
constexpr std::size_t questionLimit = 128;
constexpr std::size_t answerLimit = 32;
constexpr int easy = -1;
constexpr int medium = -2;
constexpr int hard = -3;

std::string fieldName(int field) {
    return field < 0 ? std::string("the question")
                     : "answer " + std::string(1, static_cast<char>('A' + field));
}

// The stored form of one text, or the reason it cannot be stored.
std::optional<std::string> storeField(const std::string& utf8, int field, std::string& reason) {
    char32_t bad = 0;
    std::optional<std::string> stored = storableText(utf8, &bad);
    if (!stored) {
        reason = fieldName(field) + " holds " + codePointName(bad) +
                 ", a character a set file cannot store";
        return std::nullopt;
    }
    if (stored->empty()) {
        reason = fieldName(field) + " is empty";
        return std::nullopt;
    }
    const std::size_t limit = field < 0 ? questionLimit : answerLimit;
    // The limits count characters, whatever their UTF-8 length.
    const std::size_t length = codePointCount(*stored);
    if (length > limit) {
        reason = fieldName(field) + " has " + std::to_string(length) + " characters, more than " +
                 std::to_string(limit);
        return std::nullopt;
    }
    return stored;
}

std::string_view trimmed(std::string_view text) {
    return trimmedView(text);
}

// 1 to 4, or 0 with a reason.
int correctOf(const SourceRecord& source, const std::array<std::string, 4>& stored,
              std::string& reason) {
    const std::string_view given = trimmed(source.correct);
    if (given.empty()) {
        reason = "no correct answer is given";
        return 0;
    }
    if (given.size() == 1) {
        const char c = given[0];
        if (c >= 'A' && c <= 'D') {
            return c - 'A' + 1;
        }
        if (c >= 'a' && c <= 'd') {
            return c - 'a' + 1;
        }
        if (c >= '1' && c <= '4') {
            return c - '0';
        }
    }
    if (const std::optional<std::string> text = storableText(given)) {
        for (std::size_t k = 0; k < 4; ++k) {
            if (stored[k] == *text) {
                return static_cast<int>(k) + 1;
            }
        }
    }
    reason = "the correct answer \"" + quotable(given) +
             "\" is not A to D, 1 to 4 or the text of one of the answers";
    return 0;
}

// The slot cycles and the fixed rung.
class RungCycles {
public:
    explicit RungCycles(int fixed) : fixed_(fixed) {}

    // The rung for a record whose own is `own` (see rungOf; 0: none given).
    int peek(int own) const {
        if (own > 0) {
            return own;
        }
        if (fixed_ > 0) {
            return fixed_;
        }
        const auto& [first, length] = span(own);
        return first + counters_[index(own)] % length;
    }

    void advance(int own) {
        if (own <= 0 && fixed_ <= 0) {
            ++counters_[index(own)];
        }
    }

private:
    static std::size_t index(int own) { return static_cast<std::size_t>(-own); }
    static std::pair<int, int> span(int own) {
        switch (own) {
        case easy:
            return {1, 5};
        case medium:
            return {6, 5};
        case hard:
            return {11, 5};
        default:
            return {1, 15};
        }
    }

    int fixed_;
    std::array<int, 4> counters_{};
};

} // namespace

std::array<int, 16> ImportPlan::perRung() const {
    std::array<int, 16> counts{};
    for (const PlannedQuestion& question : questions) {
        if (question.record.value >= 1 && question.record.value <= 15) {
            ++counts[static_cast<std::size_t>(question.record.value)];
        }
    }
    return counts;
}

std::string Skipped::where() const {
    return recordIndex > 0 ? "record " + std::to_string(recordIndex) : std::to_string(line);
}

int rungOf(std::string_view text) {
    text = trimmed(text);
    const std::string word = lowerAscii(text);
    if (word == "easy") {
        return easy;
    }
    if (word == "medium") {
        return medium;
    }
    if (word == "hard") {
        return hard;
    }
    // Spreadsheets may show prizes with a currency sign and grouped digits.
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (!((c == ',' || c == ' ') && !digits.empty()) && !(c == '$' && i == 0)) {
            return 0;
        }
    }
    if (digits.empty() || digits.size() > 7) {
        return 0;
    }
    const int number = std::stoi(digits);
    if (number >= 1 && number <= 15 && digits.size() == text.size()) {
        return number;
    }
    for (std::size_t k = 0; k < prizes.size(); ++k) {
        if (prizes[k] == number) {
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

ImportPlan planImport(const SourceRecords& records, const std::vector<SetFileRecord>& existing,
                      const std::filesystem::path& sourceFolder, const ImportOptions& options,
                      const PictureStage& stagePicture) {
    ImportPlan plan;
    plan.questions.reserve(records.size());
    std::unordered_set<std::string> taken;
    taken.reserve(existing.size() + records.size());
    for (const SetFileRecord& record : existing) {
        taken.insert(sameTextKey(record.text));
    }
    RungCycles cycles(options.rung);
    auto skip = [&plan](const SourceRecord& source, std::string reason) {
        plan.skipped.push_back({source.line, std::move(reason), source.recordIndex,
                                quotable(trimmedView(source.question), 60)});
    };
    for (const SourceRecord& source : records) {
        if (!source.skipReason.empty()) {
            skip(source, source.skipReason);
            continue;
        }
        std::string reason;
        SetFileRecord record;
        std::optional<std::string> question = storeField(source.question, -1, reason);
        if (!question) {
            skip(source, reason);
            continue;
        }
        record.text = std::move(*question);
        bool ok = true;
        for (int k = 0; k < 4 && ok; ++k) {
            std::optional<std::string> answer =
                storeField(source.answers[static_cast<std::size_t>(k)], k, reason);
            ok = answer.has_value();
            if (ok) {
                record.answers[static_cast<std::size_t>(k)] = std::move(*answer);
            }
        }
        for (int a = 0; a < 4 && ok; ++a) {
            for (int b = a + 1; b < 4 && ok; ++b) {
                if (sameTextKey(record.answers[static_cast<std::size_t>(a)]) ==
                    sameTextKey(record.answers[static_cast<std::size_t>(b)])) {
                    reason = "answers " + std::string(1, static_cast<char>('A' + a)) + " and " +
                             std::string(1, static_cast<char>('A' + b)) + " are the same";
                    ok = false;
                }
            }
        }
        if (!ok) {
            skip(source, reason);
            continue;
        }
        if (source.placeCorrect) {
            // The right answer comes first; it moves to its slot and the
            // wrong ones keep their order around it.
            const std::size_t slot = plan.questions.size() % 4;
            std::array<std::string, 4> placed;
            placed[slot] = record.answers[0];
            std::size_t next = 1;
            for (std::size_t k = 0; k < 4; ++k) {
                if (k != slot) {
                    placed[k] = record.answers[next++];
                }
            }
            record.answers = std::move(placed);
            record.correctAnswer = static_cast<int>(slot) + 1;
        } else {
            record.correctAnswer = correctOf(source, record.answers, reason);
            if (record.correctAnswer == 0) {
                skip(source, reason);
                continue;
            }
        }
        int own = 0;
        if (!trimmed(source.rung).empty()) {
            own = rungOf(source.rung);
            if (own == 0) {
                skip(source, "the rung \"" + quotable(trimmed(source.rung)) +
                                 "\" is not 1 to 15, a prize of the ladder, easy, medium or hard");
                continue;
            }
        }
        const std::string key = sameTextKey(record.text);
        if (!options.allowRepeats && taken.count(key) != 0) {
            skip(source, "the question is already in the set");
            continue;
        }
        const std::string_view picture = trimmed(source.picture);
        std::filesystem::path path;
        if (!picture.empty()) {
            path = sourceFolder / std::filesystem::path(picture);
            std::error_code error;
            if (!std::filesystem::exists(path, error) &&
                picture.find('\\') != std::string_view::npos) {
                // Written on a system whose folders are apart by backslashes.
                std::string forward(picture);
                std::replace(forward.begin(), forward.end(), '\\', '/');
                path = sourceFolder / std::filesystem::path(forward);
            }
            const int position = static_cast<int>(existing.size() + plan.questions.size());
            if (!stagePicture || !stagePicture(path, position, reason)) {
                skip(source, "the picture \"" + quotable(picture, 200) + "\" cannot be used" +
                                 (reason.empty() ? "" : ": " + reason));
                continue;
            }
            record.pictureFlag = 1;
        }
        record.value = cycles.peek(own);
        cycles.advance(own);
        taken.insert(key);
        plan.questions.push_back(
            {source.line, std::move(record), std::move(path), source.recordIndex});
    }
    return plan;
}

} // namespace qv::interchange
