// SPDX-License-Identifier: MIT
#pragma once
// The questions of the current set and the draw that hands them to the game
// rung by rung, without repeats until a rung runs dry.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/quiz/Question.h"
#include "common/Random.h"

namespace qv {

class QuestionBank {
public:
    // Replaces the questions with those the set-file bytes completely hold,
    // in file order, then shuffles their answers.
    void loadFromSetFile(std::string_view bytes, Random& random);

    // Reorders the four answers of every question at random, keeping
    // `correctAnswer` pointing at the same text.
    void shuffleAnswers(Random& random);

    // One attempt at rung index k (0 to 14): an unused question whose value is
    // k + 1, now marked used, or null.
    const Question* drawFromRung(int rung, Random& random);

    // Marks the questions of rung index k unused; resetAll marks every one.
    void resetRung(int rung);
    void resetAll();

    // The draw the game uses: the rung, then the rungs it may borrow from,
    // then the rung recycled, then the whole bank recycled. Null (an empty
    // draw) when neither the rung nor any rung it borrows from holds a
    // question at all, so the draw always ends.
    const Question* drawQuestion(int rung, Random& random);

    // The play-state bytes: int32 count, then one used byte per question.
    std::string playState() const;
    // Applies play-state bytes by position to as many questions as both the
    // data and the bank hold. False when the data is too short for its count.
    bool applyPlayState(std::string_view bytes);

    const std::vector<Question>& questions() const { return questions_; }
    int questionCount() const { return static_cast<int>(questions_.size()); }
    int drawCursor() const { return drawCursor_; }

    // For tests and tools: replace the questions as they are, no shuffle.
    void setQuestions(std::vector<Question> questions);

private:
    void rebuildRungIndex();

    std::vector<Question> questions_;
    int drawCursor_ = 0;
    // Positions of each rung's questions in bank order, and how many of them
    // are unused: a draw visits only its rung's questions, yet stops where a
    // probe of every record from the cursor onwards would have stopped.
    std::array<std::vector<int>, rungCount> rungPositions_;
    std::array<int, rungCount> unusedInRung_{};
};

} // namespace qv
