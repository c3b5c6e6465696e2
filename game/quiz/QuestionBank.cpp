#include "game/quiz/QuestionBank.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/Cp1252.h"
#include "common/SetFile.h"
#include "game/quiz/LittleEndian.h"

namespace qv {
namespace {

// A text of the game ends at its first NUL, like the fixed buffer it fills.
std::u16string gameText(std::string_view bytes) {
    auto nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    return decodeCp1252(bytes);
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
    questions_ = std::move(loaded);
    drawCursor_ = 0;
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

const Question* QuestionBank::drawFromRung(int rung, Random& random) {
    const int count = questionCount();
    if (count == 0) {
        return nullptr;
    }
    drawCursor_ = random.index(0.0, count - 0.0001);
    if (drawCursor_ < 0 || drawCursor_ >= count) {
        drawCursor_ = 0;
    }
    for (int probe = 0; probe < count + 3; ++probe) {
        Question& question = questions_[static_cast<std::size_t>(drawCursor_)];
        if (!question.used && question.value - 1 == rung) {
            question.used = true;
            return &question;
        }
        drawCursor_ = drawCursor_ + 1 == count ? 0 : drawCursor_ + 1;
    }
    return nullptr;
}

void QuestionBank::resetRung(int rung) {
    for (Question& question : questions_) {
        if (question.value - 1 == rung) {
            question.used = false;
        }
    }
}

void QuestionBank::resetAll() {
    for (Question& question : questions_) {
        question.used = false;
    }
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
    return true;
}

} // namespace qv
