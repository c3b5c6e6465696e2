// SPDX-License-Identifier: MIT
// Imports land in sets the editor opens: a new set appears whole or not at
// all, an appended set keeps what it held, and the check finds what keeps a
// set from a full game.

#include "common/SetFile.h"
#include "editor/interchange/CsvExport.h"
#include "editor/interchange/SetCheck.h"
#include "editor/interchange/SetImport.h"
#include "editor/interchange/SetStore.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace interchange;

class SetFiles : public ::testing::Test {
protected:
    SetFiles() : sets(folder.path() / "Resources" / "QuestionSets") {
        fs::create_directories(sets.parent_path());
    }

    fs::path csv(const std::string& name, const std::string& rows) {
        const fs::path file = folder.path() / name;
        writeFile(file, "question,a,b,c,d,correct,rung,picture\r\n" + rows);
        return file;
    }

    ImportResult import(const fs::path& file, const std::string& set, bool append = false) {
        ImportRequest request;
        request.file = file;
        request.setName = set;
        request.append = append;
        return importIntoSet(sets, request);
    }

    // Every name in the sets folder: no staging folder may stay behind.
    std::vector<std::string> setsFolderNames() const {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(sets, ignored)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    fs::path sets;
};

TEST_F(SetFiles, ANewSetIsWrittenAsTheEditorWritesItWithItsPictures) {
    writeFile(folder.path() / "red.bmp", flatBmp(1000, 600, {220, 20, 20}));
    const fs::path file = csv("new.csv", "Q one?,a,b,c,d,B,3,\r\nQ two?,a,b,c,d,D,,red.bmp\r\n");
    const ImportResult result = import(file, "Quiz Night");
    ASSERT_TRUE(result.written) << result.error;
    EXPECT_EQ(readFile(sets / "Quiz Night" / "Quiz Night.txt"),
              "2\r\n\r\nQ one?\r\na\r\nb\r\nc\r\nd\r\n2\r\n3\r\n0\r\n"
              "\r\nQ two?\r\na\r\nb\r\nc\r\nd\r\n4\r\n1\r\n1\r\n");
    // Shrunk in two steps as Add Pic does: 1000 x 600 -> 680 x 408 -> 458 x 275.
    const image::Image picture = decodePicture(sets / "Quiz Night" / "pic_for_q_2.jpg");
    EXPECT_EQ(picture.width, 458u);
    EXPECT_EQ(picture.height, 275u);
    EXPECT_TRUE(near(pixelOf(picture, 100, 100), {220, 20, 20}));
    EXPECT_THAT(setsFolderNames(), ElementsAre("Quiz Night"));
}

TEST_F(SetFiles, RefusedNamesAndTakenNamesWriteNothing) {
    const fs::path file = csv("q.csv", "Q?,a,b,c,d,A,1,\r\n");
    for (const std::string& name : std::vector<std::string>{
             "", "../Escape", "a/b", ".hidden", std::string(33, 'n'), std::string("bell\x07")}) {
        const ImportResult result = import(file, name);
        EXPECT_FALSE(result.written) << name;
        EXPECT_THAT(result.error, HasSubstr("cannot be a set name")) << name;
    }
    ASSERT_TRUE(import(file, "Taken").written);
    const std::string before = readFile(sets / "Taken" / "Taken.txt");
    const ImportResult again = import(csv("r.csv", "R?,a,b,c,d,A,1,\r\n"), "Taken");
    EXPECT_FALSE(again.written);
    EXPECT_THAT(again.error, HasSubstr("exists already"));
    EXPECT_EQ(readFile(sets / "Taken" / "Taken.txt"), before);
    // A folder of that name without a set file is somebody's: left alone.
    writeFile(sets / "Notes" / "todo.txt", "keep");
    EXPECT_FALSE(import(file, "Notes").written);
    EXPECT_EQ(readFile(sets / "Notes" / "todo.txt"), "keep");
    // An empty folder (a set made in the editor and never saved) may be taken.
    fs::create_directories(sets / "Fresh");
    EXPECT_TRUE(import(file, "Fresh").written);
    EXPECT_THAT(setsFolderNames(), ElementsAre("Fresh", "Notes", "Taken"));
}

TEST_F(SetFiles, WhatAnImportThatDiedLeftIsClearedAndNeverOffered) {
    // A process that no longer runs (pid numbers stay below 2^22).
    writeFile(sets / ".Late.import-99999999" / "Late.txt", "1\r\n");
    writeFile(sets / ".Late.import-notapid" / "keep.txt", "keep");
    ASSERT_TRUE(import(csv("late.csv", "Late?,a,b,c,d,A,1,\r\n"), "Late").written);
    EXPECT_THAT(setsFolderNames(), ElementsAre(".Late.import-notapid", "Late"));
}

TEST_F(SetFiles, NoValidRecordLeavesNoSetAndNoFolderBehind) {
    writeFile(folder.path() / "p.bmp", flatBmp(10, 10, {1, 2, 3}));
    const ImportResult result =
        import(csv("bad.csv", "Q?,a,a,c,d,A,1,p.bmp\r\nR?,a,b,c,d,Z,1,\r\n"), "Empty");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.plan.skipped.size(), 2u);
    EXPECT_TRUE(setsFolderNames().empty());
}

TEST_F(SetFiles, AppendKeepsTheSetsQuestionsAndNumbersTheNewPicturesAfterThem) {
    writeFile(folder.path() / "blue.bmp", flatBmp(20, 20, {10, 10, 230}));
    ASSERT_TRUE(import(csv("first.csv", "First?,a,b,c,d,A,1,\r\nSecond?,a,b,c,d,B,2,\r\n"), "Grow")
                    .written);
    const std::string before = readFile(sets / "Grow" / "Grow.txt");
    const ImportResult result = import(
        csv("more.csv", "second?,a,b,c,d,A,1,\r\nThird?,w,x,y,z,C,,blue.bmp\r\n"), "Grow", true);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.plan.skipped.size(), 1u); // "second?" repeats a question of the set
    const std::string after = readFile(sets / "Grow" / "Grow.txt");
    EXPECT_EQ(after.substr(0, 1), "3");
    EXPECT_EQ(after.substr(1, before.size() - 1), before.substr(1));
    EXPECT_TRUE(fs::exists(sets / "Grow" / "pic_for_q_3.jpg"));

    // A set whose file ends before its questions do is not added to.
    writeFile(sets / "Broken" / "Broken.txt", "5\r\n\r\nQ\r\n");
    const ImportResult broken = import(csv("x.csv", "X?,a,b,c,d,A,1,\r\n"), "Broken", true);
    EXPECT_FALSE(broken.written);
    EXPECT_THAT(broken.error, HasSubstr("is not whole"));
    EXPECT_EQ(readFile(sets / "Broken" / "Broken.txt"), "5\r\n\r\nQ\r\n");
}

TEST_F(SetFiles, ExportQuotesWhatNeedsItAndCopiesThePictures) {
    writeFile(folder.path() / "g.bmp", flatBmp(30, 20, {20, 200, 20}));
    ASSERT_TRUE(
        import(csv("in.csv", "\"Say \"\"hi\"\", then?\",\xC3\xA9t\xC3\xA9,b,c,d,D,15,g.bmp\r\n"
                             "Plain?,a,b,c,d,A,1,\r\n"),
               "Out")
            .written);
    const ExportResult result = exportSet(sets, "Out", folder.path() / "export" / "out.csv");
    ASSERT_FALSE(result.written); // its folder does not exist
    fs::create_directories(folder.path() / "export");
    const ExportResult written = exportSet(sets, "Out", folder.path() / "export" / "out.csv");
    ASSERT_TRUE(written.written) << written.error;
    EXPECT_EQ(
        readFile(folder.path() / "export" / "out.csv"),
        "\xEF\xBB\xBFquestion,a,b,c,d,correct,rung,picture\r\n"
        "\"Say \"\"hi\"\", then?\",\xC3\xA9t\xC3\xA9,b,c,d,D,15,out-pictures/question-1.jpg\r\n"
        "Plain?,a,b,c,d,A,1,\r\n");
    EXPECT_EQ(readFile(folder.path() / "export" / "out-pictures" / "question-1.jpg"),
              readFile(sets / "Out" / "pic_for_q_1.jpg"));
    EXPECT_FALSE(exportSet(sets, "Nothing", folder.path() / "n.csv").written);
}

TEST(SetCheckTest, FindsEveryKindOfProblemAndNamesTheQuestion) {
    std::vector<SetFileRecord> questions;
    for (int rung = 1; rung <= 15; ++rung) {
        if (rung == 4) {
            continue; // an empty rung
        }
        for (int n = 0; n < (rung == 7 ? 3 : 9); ++n) {
            SetFileRecord question;
            question.text =
                std::string("Q").append(std::to_string(rung)).append("-").append(std::to_string(n));
            question.answers = {"a", "b", "c", "d"};
            question.correctAnswer = 1;
            question.value = rung;
            questions.push_back(question);
        }
    }
    const SetCheck clean = checkQuestions(questions, nullptr);
    EXPECT_EQ(clean.total, static_cast<int>(questions.size()));
    EXPECT_EQ(clean.perRung[7], 3);
    EXPECT_THAT(clean.problems, ElementsAre("rung 4 (500): no questions",
                                            "rung 7 (4000): 3 questions, fewer than 9"));

    questions[0].answers[2].clear();
    questions[0].correctAnswer = 0;
    questions[1].text = "Q1-0";
    questions[2].answers[3] = "A";
    questions[3].text = std::string(129, 'x');
    questions[4].answers[1] = std::string(33, 'y');
    questions[5].pictureFlag = 1;
    questions[6].pictureFlag = 1;
    const SetCheck check = checkQuestions(questions, [](int position) { return position == 6; });
    EXPECT_THAT(std::vector<std::string>(check.problems.begin() + 2, check.problems.end()),
                ElementsAre("question 1: incomplete, without answer C, the correct answer",
                            "question 2: the same question as question 1",
                            "question 3: answers A and D are the same",
                            "question 4: the question has 129 characters, more than 128",
                            "question 5: answer B has 33 characters, more than 32",
                            "question 6: marked as having a picture, but pic_for_q_6.jpg is "
                            "missing or not a readable picture"));
    EXPECT_THAT(checkReport(check), HasSubstr("rung 4 (500): 0\n"));
}

} // namespace
} // namespace qv::test
