// SPDX-License-Identifier: MIT
#include "game/quiz/QuestionBank.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/SetFile.h"
#include "common/Utf16.h"
#include "game/quiz/LittleEndian.h"

namespace qv {
namespace {

// A text of the game ends at its first NUL, like the fixed buffer it fills.
std::u16string gameText(std::string_view utf8) {
    auto nul = utf8.find('\0');
    if (nul != std::string_view::npos) {
        utf8 = utf8.substr(0, nul);
    }
    return utf16FromUtf8Lossy(utf8);
}

} // namespace

void QuestionBank::loadFromSetFile(std::string_view bytes, Random& random) {
    SetFileContents contents = readSetFile(bytes, LineEnds::CrOnly, questionTextLimit);
    std::vector<Question> loaded;
    loaded.reserve(contents.records.size());
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        const SetFileRecord& record = contents.records[i];
        Question question;
        question.number = static_cast<int>(i);
        question.text = gameText(record.text);
        for (std::size_t a = 0; a < 4; ++a) {
            question.answers[a] = gameText(record.answers[a]);
        }
        if (record.correctAnswer >= 1 && record.correctAnswer <= 4) {
            question.correctAnswer = record.correctAnswer;
        }
        if (record.value >= 1 && record.value <= rungCount) {
            question.value = record.value;
        }
        question.hasPicture = record.pictureFlag > 0;
        loaded.push_back(std::move(question));
    }
    setQuestions(std::move(loaded));
    shuffleAnswers(random);
}

void QuestionBank::shuffleAnswers(Random& random) {
    // Each pass exchanges one pair of answers, or none.
    static constexpr int pairs[7][2] = {{0, 0}, {1, 2}, {3, 4}, {1, 3}, {2, 4}, {1, 4}, {2, 3}};
    for (Question& question : questions_) {
        for (int pass = 0; pass < 4; ++pass) {
            int r = random.index(0.0, 6.9999);
            int first = pairs[r][0];
            int second = pairs[r][1];
            if (first == 0) {
                continue;
            }
            std::swap(question.answers[first - 1], question.answers[second - 1]);
            if (question.correctAnswer == first) {
                question.correctAnswer = second;
            } else if (question.correctAnswer == second) {
                question.correctAnswer = first;
            }
        }
    }
}

void QuestionBank::setQuestions(std::vector<Question> questions) {
    questions_ = std::move(questions);
    drawCursor_ = 0;
    rebuildRungIndex();
}

void QuestionBank::rebuildRungIndex() {
    for (auto& positions : rungPositions_) {
        positions.clear();
    }
    unusedInRung_.fill(0);
    for (std::size_t i = 0; i < questions_.size(); ++i) {
        const Question& question = questions_[i];
        if (question.value >= 1 && question.value <= rungCount) {
            auto rung = static_cast<std::size_t>(question.value - 1);
            rungPositions_[rung].push_back(static_cast<int>(i));
            unusedInRung_[rung] += question.used ? 0 : 1;
        }
    }
}

const Question* QuestionBank::drawFromRung(int rung, Random& random) {
    const int count = questionCount();
    if (count == 0) {
        return nullptr;
    }
    int start = random.index(0.0, count - 0.0001);
    if (start < 0 || start >= count) {
        start = 0;
    }
    if (rung < 0 || rung >= rungCount || unusedInRung_[static_cast<std::size_t>(rung)] == 0) {
        // Every probe fails: the cursor ends count + 3 records further on.
        drawCursor_ = static_cast<int>((static_cast<long long>(start) + count + 3) % count);
        return nullptr;
    }
    // The first unused question of the rung at or after the cursor, wrapping.
    const std::vector<int>& positions = rungPositions_[static_cast<std::size_t>(rung)];
    auto first = std::lower_bound(positions.begin(), positions.end(), start);
    const std::size_t n = positions.size();
    const auto offset = static_cast<std::size_t>(first - positions.begin());
    for (std::size_t k = 0; k < n; ++k) {
        int position = positions[(offset + k) % n];
        Question& question = questions_[static_cast<std::size_t>(position)];
        if (!question.used) {
            question.used = true;
            --unusedInRung_[static_cast<std::size_t>(rung)];
            drawCursor_ = position;
            return &question;
        }
    }
    return nullptr; // not reached: the count said one was unused
}

void QuestionBank::resetRung(int rung) {
    for (Question& question : questions_) {
        if (question.value - 1 == rung) {
            question.used = false;
        }
    }
    if (rung >= 0 && rung < rungCount) {
        unusedInRung_[static_cast<std::size_t>(rung)] =
            static_cast<int>(rungPositions_[static_cast<std::size_t>(rung)].size());
    }
}

void QuestionBank::resetAll() {
    for (Question& question : questions_) {
        question.used = false;
    }
    rebuildRungIndex();
}

const Question* QuestionBank::drawQuestion(int rung, Random& random) {
    if (rung < 0 || rung >= rungCount) {
        return nullptr;
    }
    // Two rounds at most: the second runs after the whole bank was recycled,
    // and when it finds nothing the rung and its lenders hold no question.
    for (int round = 0; round < 2; ++round) {
        if (const Question* found = drawFromRung(rung, random)) {
            return found;
        }
        if (rung <= 8) {
            // The lower rungs borrow from those above them, up to rung index 9.
            for (int lender = rung + 1; lender <= 9; ++lender) {
                if (const Question* found = drawFromRung(lender, random)) {
                    return found;
                }
            }
        } else if (rung >= 12) {
            // The top three borrow from the rung just below.
            if (const Question* found = drawFromRung(rung - 1, random)) {
                return found;
            }
        }
        resetRung(rung);
        if (const Question* found = drawFromRung(rung, random)) {
            return found;
        }
        resetAll();
    }
    return nullptr;
}

std::string QuestionBank::playState() const {
    std::string bytes;
    const auto count = static_cast<std::uint32_t>(questions_.size());
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((count >> shift) & 0xFF));
    }
    for (const Question& question : questions_) {
        bytes.push_back(question.used ? 1 : 0);
    }
    return bytes;
}

bool QuestionBank::applyPlayState(std::string_view bytes) {
    ByteReader reader(bytes);
    std::int32_t stored = 0;
    if (!reader.int32(stored)) {
        return false;
    }
    if (stored < 1) {
        return true;
    }
    // A file written for another number of questions applies by position to
    // as many as both hold; a truncated one to as many as it still holds.
    const std::string_view flags = reader.rest();
    const std::size_t apply =
        std::min({static_cast<std::size_t>(stored), questions_.size(), flags.size()});
    for (std::size_t i = 0; i < apply; ++i) {
        questions_[i].used = flags[i] != 0;
    }
    rebuildRungIndex();
    return true;
}

} // namespace qv
