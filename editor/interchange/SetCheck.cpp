// SPDX-License-Identifier: MIT
#include "editor/interchange/SetCheck.h"

#include "common/Utf16.h"
#include "editor/image/ImageDecoder.h"
#include "editor/interchange/TextInput.h"

#include <unordered_map>

namespace qv::interchange {
namespace {

constexpr std::array<const char*, 15> prizeNames = {
    "100",   "200",   "300",   "500",    "1000",   "2000",   "4000",   "8000",
    "16000", "32000", "64000", "125000", "250000", "500000", "1000000"};

std::string rungName(std::size_t rung) {
    return "rung " + std::to_string(rung) + " (" + prizeNames[rung - 1] + ")";
}

std::string letter(std::size_t k) {
    return std::string(1, static_cast<char>('A' + k));
}

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
        if (count == 0) {
            check.problems.push_back(rungName(rung) + ": no questions");
        } else if (count < questionsPerRungForFullGame) {
            // Nine players each need a question of their own on every rung.
            check.problems.push_back(rungName(rung) + ": " + std::to_string(count) +
                                     (count == 1 ? " question" : " questions") + ", fewer than " +
                                     std::to_string(questionsPerRungForFullGame));
        }
    }
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const SetFileRecord& question = questions[i];
        const std::string where = "question " + std::to_string(i + 1) + ": ";
        std::string missing;
        auto lack = [&missing](const std::string& what) {
            missing += (missing.empty() ? "" : ", ") + what;
        };
        if (question.text.empty()) {
            lack("the question");
        }
        for (std::size_t k = 0; k < 4; ++k) {
            if (question.answers[k].empty()) {
                lack("answer " + letter(k));
            }
        }
        if (question.correctAnswer < 1 || question.correctAnswer > 4) {
            lack("the correct answer");
        }
        if (question.value < 1 || question.value > 15) {
            lack("the prize");
        }
        if (!missing.empty()) {
            check.problems.push_back(where + "incomplete, without " + missing);
        }
        if (!question.text.empty()) {
            const auto [first, inserted] = seen.emplace(sameTextKey(question.text), i);
            if (!inserted) {
                check.problems.push_back(where + "the same question as question " +
                                         std::to_string(first->second + 1));
            }
        }
        for (std::size_t a = 0; a < 4; ++a) {
            for (std::size_t b = a + 1; b < 4; ++b) {
                if (!question.answers[a].empty() &&
                    sameTextKey(question.answers[a]) == sameTextKey(question.answers[b])) {
                    check.problems.push_back(where + "answers " + letter(a) + " and " + letter(b) +
                                             " are the same");
                }
            }
        }
        // The limits count characters, whatever their UTF-8 length.
        if (const std::size_t length = codePointCount(question.text); length > 128) {
            check.problems.push_back(where + "the question has " + std::to_string(length) +
                                     " characters, more than 128");
        }
        for (std::size_t k = 0; k < 4; ++k) {
            if (const std::size_t length = codePointCount(question.answers[k]); length > 32) {
                check.problems.push_back(where + "answer " + letter(k) + " has " +
                                         std::to_string(length) + " characters, more than 32");
            }
        }
        if (question.pictureFlag >= 1 &&
            !(pictureReadable && pictureReadable(static_cast<int>(i)))) {
            check.problems.push_back(where + "marked as having a picture, but " +
                                     pictureFileName(static_cast<int>(i)) +
                                     " is missing or not a readable picture");
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
