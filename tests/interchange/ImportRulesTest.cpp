// SPDX-License-Identifier: MIT
// The rules every imported record meets, whatever its format: texts the set
// files can hold, the right answer, the rung cycles, repeats.

#include "editor/interchange/ImportPlan.h"
#include "editor/interchange/TextInput.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace interchange;

SourceRecord recordOf(const std::string& question, const std::string& rung = "",
                      const std::string& correct = "A") {
    static int line = 1;
    SourceRecord record;
    record.line = ++line;
    record.question = question;
    record.answers = {"one", "two", "three", "four"};
    record.correct = correct;
    record.rung = rung;
    return record;
}

ImportPlan plan(const SourceRecords& records, const ImportOptions& options = {},
                const std::vector<SetFileRecord>& existing = {}) {
    return planImport(records, existing, ".", options, nullptr);
}

std::vector<int> rungsOf(const ImportPlan& plan) {
    std::vector<int> rungs;
    for (const PlannedQuestion& question : plan.questions) {
        rungs.push_back(question.record.value);
    }
    return rungs;
}

TEST(ImportRungs, EachDifficultyCyclesOnItsOwnAndOnlyImportedRecordsMoveACycle) {
    SourceRecords records;
    for (int i = 0; i < 17; ++i) {
        records.push_back(recordOf("plain " + std::to_string(i)));
    }
    std::vector<int> expected;
    for (int i = 0; i < 17; ++i) {
        expected.push_back(i % 15 + 1);
    }
    EXPECT_EQ(rungsOf(plan(records)), expected);

    records = {recordOf("e1", "easy"), recordOf("m1", "Medium"), recordOf("bad", "easy", "x"),
               recordOf("e2", "EASY"), recordOf("h1", "hard"),   recordOf("p1"),
               recordOf("fixed", "7"), recordOf("e3", "easy"),   recordOf("e4", "easy"),
               recordOf("e5", "easy"), recordOf("e6", "easy"),   recordOf("prize", "64000")};
    EXPECT_THAT(rungsOf(plan(records)), ElementsAre(1, 6, 2, 11, 1, 7, 3, 4, 5, 1, 11));

    // A fixed rung takes every record that names none, difficulties too.
    EXPECT_THAT(rungsOf(plan(records, ImportOptions{9})),
                ElementsAre(9, 9, 9, 9, 9, 7, 9, 9, 9, 9, 11));
}

TEST(ImportRungs, WhatCountsAsARung) {
    EXPECT_EQ(rungOf("1"), 1);
    EXPECT_EQ(rungOf(" 15 "), 15);
    EXPECT_EQ(rungOf("100"), 1);
    EXPECT_EQ(rungOf("1000000"), 15);
    EXPECT_EQ(rungOf("1,000,000"), 15);
    EXPECT_EQ(rungOf("$32,000"), 10);
    EXPECT_EQ(rungOf("hard"), -3);
    for (const char* refused : {"0", "16", "150", "-1", "1.5", "1 5", "10000000000000", "x", "$"}) {
        EXPECT_EQ(rungOf(refused), 0) << refused;
    }
}

TEST(ImportTexts, TrimmedJoinedAndStoredInAnyScriptOrRefusedWithTheControlCharacter) {
    SourceRecord record = recordOf("  Caf\xC3\xA9 \xE2\x80\x9C"
                                   "break\r\nfast\xE2\x80\x9D \xE2\x80\x93 \xE2\x82\xAC 5?\t ");
    record.answers[1] = "\xC2\xA0 two \xC2\xA0";
    const ImportPlan stored = plan({record});
    ASSERT_EQ(stored.questions.size(), 1u);
    EXPECT_EQ(stored.questions[0].record.text,
              "Caf\xC3\xA9 \xE2\x80\x9C"
              "break fast\xE2\x80\x9D \xE2\x80\x93 \xE2\x82\xAC 5?");
    EXPECT_EQ(stored.questions[0].record.answers[1], "two");

    // Any script is stored; the limits count characters, not bytes.
    SourceRecord emoji = recordOf("Which animal is \xF0\x9F\x90\x88?");
    SourceRecord greek = recordOf("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1?");
    greek.answers[0] = "";
    for (int i = 0; i < 32; ++i) {
        greek.answers[0] += "\xCE\xB1"; // 32 letters, 64 bytes
    }
    SourceRecord greekTooLong = recordOf("\xCE\xB2?");
    greekTooLong.answers[0] = greek.answers[0] + "\xCE\xB1";
    SourceRecord control = recordOf("Bell\x07?");
    SourceRecord longest = recordOf(std::string(128, 'q'));
    SourceRecord tooLong = recordOf(std::string(129, 'q'));
    SourceRecord blank = recordOf(" \r\n ");
    SourceRecord sameAnswers = recordOf("Same?");
    sameAnswers.answers[3] = " ONE ";
    const ImportPlan refused =
        plan({emoji, greek, greekTooLong, control, longest, tooLong, blank, sameAnswers});
    EXPECT_EQ(refused.questions.size(), 3u);
    std::vector<std::string> reasons;
    for (const Skipped& skipped : refused.skipped) {
        reasons.push_back(skipped.reason);
    }
    EXPECT_THAT(reasons,
                ElementsAre("answer A has 33 characters, more than 32",
                            "the question holds U+0007, a character a set file cannot store",
                            "the question has 129 characters, more than 128",
                            "the question is empty", "answers A and D are the same"));
}

TEST(ImportTexts, InputIsUtf16ByItsMarkUtf8WhenItCanBeAndWindows1252Otherwise) {
    // "Łódź 😀" as spreadsheets save Unicode text, in either byte order.
    const std::string expected = "\xC5\x81\xC3\xB3\x64\xC5\xBA \xF0\x9F\x98\x80";
    const std::string little("\xFF\xFE\x41\x01\xF3\x00\x64\x00\x7A\x01\x20\x00\x3D\xD8\x00\xDE",
                             16);
    const std::string big("\xFE\xFF\x01\x41\x00\xF3\x00\x64\x01\x7A\x00\x20\xD8\x3D\xDE\x00", 16);
    std::string error;
    EXPECT_EQ(decodeInputText(little, error), expected);
    EXPECT_EQ(decodeInputText(big, error), expected);
    // An unpaired surrogate is no character.
    EXPECT_EQ(decodeInputText(std::string("\xFF\xFE\x3D\xD8\x41\x00", 6), error), "\xEF\xBF\xBD"
                                                                                  "A");
    struct Refused {
        std::string bytes;
        const char* reason;
    };
    for (const Refused& refused : {
             Refused{little.substr(0, 15), "odd number of bytes"},
             Refused{std::string("\xFE\xFF\x00", 3), "odd number of bytes"},
             Refused{"\xFF\xFE", "only a byte-order mark"},
             Refused{"\xEF\xBB\xBF", "only a byte-order mark"},
             Refused{"\xEF\xBB\xBFq,a\nb,\xE9", "line 2 holds bytes that are not UTF-8"},
         }) {
        error.clear();
        EXPECT_FALSE(decodeInputText(refused.bytes, error).has_value()) << refused.reason;
        EXPECT_THAT(error, HasSubstr(refused.reason));
    }
    EXPECT_EQ(decodeInput("\xEF\xBB\xBFq\xC3\xA9"), "q\xC3\xA9");
    EXPECT_EQ(decodeInput("q\xE9"), "q\xC3\xA9");
    EXPECT_EQ(decodeInput("\x80\x93"), "\xE2\x82\xAC\xE2\x80\x9C");
    // Overlong forms and surrogates are no UTF-8.
    EXPECT_FALSE(isUtf8("\xC0\xAF"));
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80"));
    EXPECT_TRUE(isUtf8("\xF0\x9F\x90\x88"));
}

TEST(ImportCorrectAnswer, LetterNumberOrTextAndTheDatabaseSlotCountsImportedRecordsOnly) {
    SourceRecords records = {recordOf("a", "", "d"), recordOf("b", "", "3"),
                             recordOf("c", "", " two "), recordOf("d", "", "five"),
                             recordOf("e", "", "")};
    const ImportPlan given = plan(records);
    ASSERT_EQ(given.questions.size(), 3u);
    EXPECT_EQ(given.questions[0].record.correctAnswer, 4);
    EXPECT_EQ(given.questions[1].record.correctAnswer, 3);
    EXPECT_EQ(given.questions[2].record.correctAnswer, 2);
    EXPECT_EQ(given.skipped[1].reason, "no correct answer is given");

    SourceRecords placed;
    for (const char* question : {"p0", "p1", "p1", "p2", "p3", "p4"}) {
        SourceRecord record = recordOf(question);
        record.answers = {"right", "w1", "w2", "w3"};
        record.placeCorrect = true;
        placed.push_back(record);
    }
    const ImportPlan slots = plan(placed);
    ASSERT_EQ(slots.questions.size(), 5u); // the repeated p1 is skipped
    std::vector<int> correct;
    for (const PlannedQuestion& question : slots.questions) {
        correct.push_back(question.record.correctAnswer);
        EXPECT_EQ(
            question.record.answers[static_cast<std::size_t>(question.record.correctAnswer - 1)],
            "right");
    }
    EXPECT_THAT(correct, ElementsAre(1, 2, 3, 4, 1));
    EXPECT_THAT(std::vector<std::string>(slots.questions[2].record.answers.begin(),
                                         slots.questions[2].record.answers.end()),
                ElementsAre("w1", "w2", "right", "w3"));
}

TEST(ImportRepeats, AQuestionTheSetHoldsAlreadyIsSkippedWhateverItsCaseAndBlanks) {
    SetFileRecord held;
    held.text = "Which  Planet is red?";
    const ImportPlan result =
        plan({recordOf("which planet is RED?"), recordOf("Which moon?")}, {}, {held});
    EXPECT_EQ(result.questions.size(), 1u);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].reason, "the question is already in the set");
}

TEST(ImportPictures, APictureThatCannotBeUsedSkipsItsRecordAndPositionsFollowTheSet) {
    SourceRecord withPicture = recordOf("pic");
    withPicture.picture = "a.png";
    SourceRecord refused = recordOf("no pic");
    refused.picture = "sub\\b.png"; // a folder written the other system's way
    std::vector<int> positions;
    std::vector<std::string> sources;
    const ImportPlan result = planImport(
        {recordOf("plain"), withPicture, refused}, {SetFileRecord{}, SetFileRecord{}}, "/data", {},
        [&](const std::filesystem::path& source, int position, std::string& reason) {
            positions.push_back(position);
            sources.push_back(source.string());
            reason = "not a picture";
            return source.filename() == "a.png";
        });
    EXPECT_THAT(positions, ElementsAre(3, 4));
    EXPECT_THAT(sources, ElementsAre("/data/a.png", "/data/sub/b.png"));
    ASSERT_EQ(result.questions.size(), 2u);
    EXPECT_EQ(result.questions[1].record.pictureFlag, 1);
    EXPECT_EQ(result.questions[0].record.pictureFlag, 0);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].reason, "the picture \"sub\\b.png\" cannot be used: not a picture");
}

} // namespace
} // namespace qv::test
