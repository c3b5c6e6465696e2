// SPDX-License-Identifier: MIT
// Each format read from files as people bring them: exported from
// spreadsheets and course tools, saved from the trivia database, written by
// hand on another system.

#include "editor/interchange/SetImport.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using interchange::ImportPlan;
using interchange::PlannedQuestion;
using ::testing::ElementsAre;

std::vector<std::string> answersOf(const PlannedQuestion& question) {
    return {question.record.answers.begin(), question.record.answers.end()};
}

TEST(SpreadsheetRows, QuotedCommasLineBreaksAndEveryWayOfNamingTheAnswerAndRung) {
    TempFolder folder;
    fs::copy_file(interchangeData() / "quiz-night.csv", folder.path() / "quiz-night.csv");
    writeFile(folder.path() / "pictures" / "square.bmp", flatBmp(40, 30, {200, 10, 10}));

    const ImportPlan plan = planOfFile(folder.path() / "quiz-night.csv");

    EXPECT_THAT(questionsOf(plan),
                ElementsAre("Which city is the capital of Australia?", "What is 1,000 + 1?",
                            "Who said \"I think, therefore I am\"?",
                            "Which planet is known as the red planet?", "Which shape is shown?",
                            "Which word is Chinese for \xE2\x80\x9Cmiddle\xE2\x80\x9D?",
                            "In which year did the Berlin Wall fall?"));
    ASSERT_EQ(plan.questions.size(), 7u);
    // Every script is kept, as the file spells it.
    EXPECT_THAT(answersOf(plan.questions[5]),
                ElementsAre("\xE4\xB8\xAD", "\xE5\xA4\xA7", "\xE5\xB0\x8F", "\xE4\xB8\x8A"));
    EXPECT_THAT(answersOf(plan.questions[1]), ElementsAre("1001", "1,002", "999", "10001"));
    // Correct as C, a, 1, the answer's text, B; rungs as 1, a prize with
    // grouped digits, easy, hard, a prize with a currency sign, 12.
    std::vector<int> correct;
    std::vector<int> rungs;
    for (const PlannedQuestion& question : plan.questions) {
        correct.push_back(question.record.correctAnswer);
        rungs.push_back(question.record.value);
    }
    EXPECT_THAT(correct, ElementsAre(3, 1, 1, 2, 2, 1, 2));
    EXPECT_THAT(rungs, ElementsAre(1, 5, 1, 11, 4, 1, 12));
    EXPECT_EQ(plan.questions[4].record.pictureFlag, 1);
    EXPECT_EQ(plan.questions[4].picture, folder.path() / "pictures" / "square.bmp");

    EXPECT_THAT(skipsOf(plan),
                ElementsAre("11: answer D has 35 characters, more than 32", "12: answer B is empty",
                            "13: answers A and C are the same",
                            "14: the question is already in the set",
                            "15: the correct answer \"E\" is not A to D, 1 to 4 or the text of "
                            "one of the answers",
                            "16: the rung \"16\" is not 1 to 15, a prize of the ladder, easy, "
                            "medium or hard",
                            "17: the picture \"pictures/missing.png\" cannot be used: the file "
                            "cannot be read"));
}

TEST(SpreadsheetRows, WindowsCodePageFilesAndSemicolonsKeepTheirAccents) {
    const ImportPlan semicolons = planOfFile(interchangeData() / "semicolon.csv");
    EXPECT_THAT(questionsOf(semicolons), ElementsAre("Welche Farbe hat ein Caf\xC3\xA9 au lait?",
                                                     "Was kostet es in \xE2\x82\xAC?"));
    ASSERT_EQ(semicolons.questions.size(), 2u);
    EXPECT_EQ(semicolons.questions[0].record.answers[2], "Gr\xC3\xBCn");
    EXPECT_EQ(semicolons.questions[1].record.correctAnswer, 2);

    const ImportPlan windows = planOfFile(interchangeData() / "windows-1252.csv");
    EXPECT_THAT(questionsOf(windows),
                ElementsAre("What does \xE2\x80\x9C"
                            "caf\xC3\xA9\xE2\x80\x9D mean \xE2\x80\x93 in French?",
                            "Which sign is \xE2\x82\xAC?"));
    EXPECT_TRUE(windows.skipped.empty());
}

TEST(SpreadsheetRows, UnicodeTextOfEitherByteOrderKeepsEveryScript) {
    // As spreadsheets save "Unicode text": UTF-16 after its byte-order mark.
    for (const char* name : {"unicode-text.tsv", "unicode-text-be.csv"}) {
        const ImportPlan plan = planOfFile(interchangeData() / name);
        EXPECT_TRUE(plan.skipped.empty()) << name;
        ASSERT_EQ(plan.questions.size(), 3u) << name;
        EXPECT_EQ(plan.questions[0].record.answers[0], "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1");
        EXPECT_EQ(plan.questions[1].record.answers[0], "\xD0\xAE\xD0\xBB\xD0\xB8\xD1\x8F");
        EXPECT_EQ(plan.questions[2].record.text.substr(0, 9),
                  "\xE3\x80\x8C\xE4\xB8\xAD\xE3\x80\x8D");
        EXPECT_EQ(plan.questions[2].record.value, 3);
    }
}

TEST(SpreadsheetRows, TabSeparatedWithTabsInsideQuotes) {
    const ImportPlan plan = planOfFile(interchangeData() / "questions.tsv");
    EXPECT_THAT(questionsOf(plan), ElementsAre("Which gas do plants take in?", "Tabs inside quotes",
                                               "How many legs has a spider?"));
    ASSERT_EQ(plan.questions.size(), 3u);
    EXPECT_EQ(plan.questions[2].record.correctAnswer, 2);
    EXPECT_EQ(plan.questions[0].record.value, 3);
    EXPECT_EQ(plan.questions[1].record.value, 1);
    EXPECT_EQ(plan.questions[2].record.value, 6);
}

TEST(QuizTextFormats, AikenRecordsWithTheirFaults) {
    const ImportPlan plan = planOfFile(interchangeData() / "aiken.txt");
    EXPECT_THAT(questionsOf(plan), ElementsAre("What is the chemical symbol for gold?",
                                               "Which organ pumps blood through the body?",
                                               "Which metal is liquid at room temperature?"));
    ASSERT_EQ(plan.questions.size(), 3u);
    EXPECT_THAT(answersOf(plan.questions[1]), ElementsAre("Liver", "Lungs", "Heart", "Kidney"));
    EXPECT_EQ(plan.questions[1].record.correctAnswer, 3);
    EXPECT_EQ(plan.questions[2].record.correctAnswer, 2);
    EXPECT_THAT(skipsOf(plan),
                ElementsAre("16: the question has 5 options; it needs four, A to D",
                            "24: the question has no ANSWER: line",
                            "30: the correct answer \"E\" is not A to D, 1 to 4 or the text of "
                            "one of the answers"));

    const ImportPlan crlf = planOfFile(interchangeData() / "aiken-crlf.txt");
    ASSERT_EQ(crlf.questions.size(), 1u);
    EXPECT_EQ(crlf.questions[0].record.answers[3], "Kyd");
}

TEST(QuizTextFormats, GiftMultipleChoiceImportsAndEveryOtherTypeSaysWhatItIs) {
    const ImportPlan plan = planOfFile(interchangeData() / "every-type.gift");
    EXPECT_THAT(questionsOf(plan),
                ElementsAre("What is the capital of France?", "Which planet is largest?",
                            "Which of these is written with a tilde: ~?",
                            "Sea water tastes _____ to most people.",
                            "Which tag makes bold text?"));
    ASSERT_EQ(plan.questions.size(), 5u);
    EXPECT_THAT(answersOf(plan.questions[1]), ElementsAre("Earth", "Jupiter", "Mars", "Venus"));
    EXPECT_EQ(plan.questions[1].record.correctAnswer, 2);
    EXPECT_THAT(answersOf(plan.questions[2]),
                ElementsAre("~ (tilde)", "= (equals)", "# (hash)", "{} (braces)"));
    EXPECT_EQ(plan.questions[3].record.correctAnswer, 2);
    EXPECT_THAT(answersOf(plan.questions[4]), ElementsAre("<b>", "<i>", "<u>", "<s>"));

    std::vector<std::string> reasons;
    for (const interchange::Skipped& skipped : plan.skipped) {
        reasons.push_back(skipped.reason);
    }
    EXPECT_THAT(reasons,
                ElementsAre("a true/false question", "a true/false question",
                            "a short-answer question", "a matching question",
                            "a numerical question", "an essay question",
                            "a description without answers, not a question",
                            "answers with %weights% (partial credit), not one right answer",
                            "a multiple-choice question with 5 answers; a question here needs "
                            "exactly four",
                            "more than one answer is marked right with ="));
    // The first line of each record, after comments and the category.
    EXPECT_EQ(plan.questions[0].line, 4);
    EXPECT_EQ(plan.skipped[0].line, 16);
}

TEST(TriviaDatabase, EntitiesDecodedAndTheRightAnswerWalksThroughTheSlots) {
    const ImportPlan plan = planOfFile(interchangeData() / "opentdb.json");
    EXPECT_THAT(questionsOf(plan),
                ElementsAre("Which instrument is called the \"king of instruments\"?",
                            "What is the capital of Am\xC3\xA9rica's neighbour, M\xC3\xA9xico?",
                            "Which element has the symbol \xE2\x80\x9CW\xE2\x80\x9D?",
                            "Who is the Greek goddess of wisdom?",
                            "How many days are in a leap year?"));
    ASSERT_EQ(plan.questions.size(), 5u);
    EXPECT_THAT(answersOf(plan.questions[0]), ElementsAre("Pipe organ", "Piano", "Violin", "Harp"));
    EXPECT_THAT(answersOf(plan.questions[1]),
                ElementsAre("Guadalajara", "Mexico City", "Monterrey", "Canc\xC3\xBAn"));
    EXPECT_THAT(answersOf(plan.questions[2]),
                ElementsAre("Wolfram\xC2\xADite", "Tin", "Tungsten", "Titanium"));
    EXPECT_THAT(answersOf(plan.questions[3]),
                ElementsAre("\xCE\xA9mega", "Hera", "Artemis", "Athena"));
    EXPECT_THAT(answersOf(plan.questions[4]), ElementsAre("366", "365", "364", "367"));
    std::vector<int> correct;
    std::vector<int> rungs;
    for (const PlannedQuestion& question : plan.questions) {
        correct.push_back(question.record.correctAnswer);
        rungs.push_back(question.record.value);
    }
    EXPECT_THAT(correct, ElementsAre(1, 2, 3, 4, 1));
    // easy, medium, hard, hard, easy: each difficulty has a cycle of its own.
    EXPECT_THAT(rungs, ElementsAre(1, 6, 11, 12, 2));
    EXPECT_THAT(skipsOf(plan),
                ElementsAre("3: a true/false question",
                            "8: the question has 2 wrong answers; a question here needs three"));

    const ImportPlan bare = planOfFile(interchangeData() / "opentdb-array.json");
    ASSERT_EQ(bare.questions.size(), 1u);
    EXPECT_EQ(bare.questions[0].record.answers[0], "Neil Armstrong");
    EXPECT_EQ(bare.questions[0].record.value, 6);
}

} // namespace
} // namespace qv::test
