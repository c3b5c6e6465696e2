// SPDX-License-Identifier: MIT
#include "editor/interchange/SetCheck.h"

#include "common/TextMark.h"
#include "common/Utf16.h"
#include "editor/image/ImageDecoder.h"
#include "editor/interchange/TextInput.h"

#include <unordered_map>

namespace qv::interchange {
namespace {

constexpr std::array<const char*, 15> prizeNames = {
    "100",   "200",   "300",   "500",    "1000",   "2000",   "4000",   "8000",
    "16000", "32000", "64000", "125000", "250000", "500000", "1000000"};

// "rung 3 (300)", as the report names a rung.
std::string rungName(std::size_t rung) {
    return "rung " + std::to_string(rung) + " (" + prizeNames[rung - 1] + ")";
}

std::string letter(std::size_t k) {
    return std::string(1, static_cast<char>('A' + k));
}

// A problem as the report prints it (English) and as the window shows it
// (in the window's language): `pattern` with its count and values filled in.
void add(SetCheck& check, std::string_view pattern, std::initializer_list<std::string_view> values,
         int count = -1) {
    check.problems.push_back(textMark::fill(textMark::plain(pattern, count), values));
    check.shown.push_back(textMark::fill(textMark::marked("Setwright", pattern, count), values));
}

// The parts a question lacks, in English and as shown.
struct Lacking {
    std::string english;
    std::string shown;
    void add(std::string_view part, std::string_view value = {}) {
        const std::string separator = english.empty() ? "" : ", ";
        english += separator + textMark::fill(std::string(part), {value});
        shown +=
            (shown.empty() ? "" : textMark::marked("Setwright", QV_TR_NOOP("Setwright", ", "))) +
            textMark::fill(textMark::marked("Setwright", part), {value});
    }
};

} // namespace

SetCheck checkQuestions(const std::vector<SetFileRecord>& questions,
                        const std::function<bool(int position)>& pictureReadable) {
    SetCheck check;
    check.total = static_cast<int>(questions.size());
    for (const SetFileRecord& question : questions) {
        const bool valid = question.value >= 1 && question.value <= 15;
        ++check.perRung[valid ? static_cast<std::size_t>(question.value) : 0];
    }
    for (std::size_t rung = 1; rung <= 15; ++rung) {
        const int count = check.perRung[rung];
        const std::string number = std::to_string(rung);
        const std::string_view prize = prizeNames[rung - 1];
        const std::string fewest = std::to_string(questionsPerRungForFullGame);
        if (count == 0) {
            add(check, QV_TR_NOOP("Setwright", "rung %1 (%2): no questions"), {number, prize});
        } else if (count == 1) {
            add(check, QV_TR_NOOP("Setwright", "rung %1 (%2): 1 question, fewer than %3"),
                {number, prize, fewest});
        } else if (count < questionsPerRungForFullGame) {
            // Nine players each need a question of their own on every rung.
            add(check, QV_TR_N_NOOP("Setwright", "rung %1 (%2): %n questions, fewer than %3"),
                {number, prize, fewest}, count);
        }
    }
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const SetFileRecord& question = questions[i];
        const std::string at = std::to_string(i + 1);
        Lacking missing;
        if (question.text.empty()) {
            missing.add(QV_TR_NOOP("Setwright", "the question"));
        }
        for (std::size_t k = 0; k < 4; ++k) {
            if (question.answers[k].empty()) {
                missing.add(QV_TR_NOOP("Setwright", "answer %1"), letter(k));
            }
        }
        if (question.correctAnswer < 1 || question.correctAnswer > 4) {
            missing.add(QV_TR_NOOP("Setwright", "the correct answer"));
        }
        if (question.value < 1 || question.value > 15) {
            missing.add(QV_TR_NOOP("Setwright", "the prize"));
        }
        if (!missing.english.empty()) {
            constexpr std::string_view pattern =
                QV_TR_NOOP("Setwright", "question %1: incomplete, without %2");
            check.problems.push_back(textMark::fill(std::string(pattern), {at, missing.english}));
            check.shown.push_back(
                textMark::fill(textMark::marked("Setwright", pattern), {at, missing.shown}));
        }
        if (!question.text.empty()) {
            const auto [first, inserted] = seen.emplace(sameTextKey(question.text), i);
            if (!inserted) {
                add(check, QV_TR_NOOP("Setwright", "question %1: the same question as question %2"),
                    {at, std::to_string(first->second + 1)});
            }
        }
        for (std::size_t a = 0; a < 4; ++a) {
            for (std::size_t b = a + 1; b < 4; ++b) {
                if (!question.answers[a].empty() &&
                    sameTextKey(question.answers[a]) == sameTextKey(question.answers[b])) {
                    add(check,
                        QV_TR_NOOP("Setwright", "question %1: answers %2 and %3 are the same"),
                        {at, letter(a), letter(b)});
                }
            }
        }
        // The limits count characters, whatever their UTF-8 length.
        if (const std::size_t length = codePointCount(question.text); length > 128) {
            add(check,
                QV_TR_NOOP("Setwright",
                           "question %1: the question has %2 characters, more than 128"),
                {at, std::to_string(length)});
        }
        for (std::size_t k = 0; k < 4; ++k) {
            if (const std::size_t length = codePointCount(question.answers[k]); length > 32) {
                add(check,
                    QV_TR_NOOP("Setwright",
                               "question %1: answer %2 has %3 characters, more than 32"),
                    {at, letter(k), std::to_string(length)});
            }
        }
        if (question.pictureFlag >= 1 &&
            !(pictureReadable && pictureReadable(static_cast<int>(i)))) {
            add(check,
                QV_TR_NOOP("Setwright", "question %1: marked as having a picture, but %2 is "
                                        "missing or not a readable picture"),
                {at, pictureFileName(static_cast<int>(i))});
        }
    }
    return check;
}

bool isReadablePicture(const std::filesystem::path& file) {
    image::Image picture;
    return image::decodeImageFile(file, picture);
}

std::string checkReport(const SetCheck& check) {
    std::string report;
    for (std::size_t rung = 1; rung <= 15; ++rung) {
        report += rungName(rung) + ": " + std::to_string(check.perRung[rung]) + "\n";
    }
    if (check.perRung[0] > 0) {
        report += "no prize chosen: " + std::to_string(check.perRung[0]) + "\n";
    }
    report += "total: " + std::to_string(check.total) + "\n";
    if (check.problems.empty()) {
        report += "no problems\n";
    } else {
        report += std::to_string(check.problems.size()) +
                  (check.problems.size() == 1 ? " problem:\n" : " problems:\n");
        for (const std::string& problem : check.problems) {
            report += problem + "\n";
        }
    }
    return report;
}

} // namespace qv::interchange
