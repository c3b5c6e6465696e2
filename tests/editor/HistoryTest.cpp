// SPDX-License-Identifier: MIT
// Undo and Redo of every change, the clean state behind the caption's "*",
// and the set's folder, which changes only with Save.

#include "common/SetFile.h"
#include "editor/model/SetListing.h"
#include "tests/editor/EditorFixture.h"

#include <map>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// Every file of a folder with its bytes.
std::map<std::string, std::string> folderContents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = readFile(entry.path());
    }
    return files;
}

class HistoryTest : public EditorFixture {
protected:
    fs::path picture(int position) const { return setsFolder / "Pics" / pictureFileName(position); }

    // A set of `count` complete questions; those in `withPicture` (0-based)
    // have a picture file whose bytes name the question.
    void openPictureSet(int count, std::initializer_list<int> withPicture) {
        std::vector<SetFileRecord> records;
        for (int i = 0; i < count; ++i) {
            EditorQuestion q = completeQuestion(numbered("Q", i + 1));
            records.push_back({q.text, q.answers, q.correctAnswer, q.value, 0});
        }
        for (int i : withPicture) {
            records[static_cast<std::size_t>(i)].pictureFlag = 1;
            writeFile(picture(i), numbered("picture of Q", i + 1));
        }
        openSet("Pics", writeSetFile(records));
    }

    void go(int number) { editor.goToQuestion(number); }

    void setAnswer(std::size_t which, const std::string& text) {
        QuestionFields fields = editor.fields();
        fields.answers[which] = text;
        editor.storeFields(fields);
    }
};

TEST_F(HistoryTest, ADiscardedDeleteLeavesTheFolderAsLastSaved) {
    openPictureSet(12, {1, 4, 8});
    const auto before = folderContents(setsFolder / "Pics");
    go(2);
    editor.deleteQuestion();
    editor.addPicture(setsFolder / "Pics" / pictureFileName(8)); // a picture for the new Q2
    user.answers = {MessageAnswer::No};
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(folderContents(setsFolder / "Pics"), before);
    // Nothing of the editor is left beside the sets either.
    for (const auto& entry : fs::directory_iterator(setsFolder)) {
        EXPECT_EQ(entry.path().filename().string().front() == '.', false) << entry.path();
    }
}

TEST_F(HistoryTest, ADeleteUndoneAndSavedGivesTheOriginalFilesByteForByte) {
    openPictureSet(12, {1, 4, 8});
    const auto before = folderContents(setsFolder / "Pics");
    go(5);
    editor.deleteQuestion();
    EXPECT_EQ(view.label, "Question number 5 of 11");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(picture(7)), "picture of Q9"); // moved down with its question
    EXPECT_FALSE(fs::exists(picture(8)));
    editor.undo();
    EXPECT_EQ(view.label, "Question number 5 of 12");
    EXPECT_EQ(view.shown.text, "Q5?");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(folderContents(setsFolder / "Pics"), before);
}

TEST_F(HistoryTest, EachKindOfChangeUndoesAndRedoes) {
    openPictureSet(4, {0});
    const std::string original = readFile(setFile("Pics"));
    writeFile(program.path() / "new.jpg", "a new picture");

    go(1);
    typeQuestion("E");
    typeQuestion("Ed");
    typeQuestion("Edit"); // one step while typing into one field
    setAnswer(0, "changed A");
    QuestionFields fields = editor.fields();
    fields.correctAnswer = 4;
    editor.storeFields(fields);
    fields.value = 15;
    editor.storeFields(fields);
    editor.addPicture(program.path() / "new.jpg");
    editor.moveQuestion(+1);
    EXPECT_EQ(view.label, "Question number 2 of 4");
    go(4);
    editor.removePicture(); // Q4 has none: no step
    go(3);
    editor.deleteQuestion();
    editor.newQuestion();
    EXPECT_EQ(editor.questionCount(), 4);

    const int steps = 8; // typing, answer, correct, value, picture, move, delete, new
    for (int i = 0; i < steps; ++i) {
        EXPECT_TRUE(editor.canUndo()) << i;
        editor.undo();
    }
    EXPECT_FALSE(editor.canUndo());
    EXPECT_TRUE(view.canRedo);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(view.caption, "Pics - Quizvale Setwright");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Pics")), original);
    EXPECT_EQ(readFile(picture(0)), "picture of Q1");

    for (int i = 0; i < steps; ++i) {
        editor.redo();
    }
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(view.caption, "Pics* - Quizvale Setwright");
    ASSERT_TRUE(editor.save());
    const SetFileContents saved = readSetFile(readFile(setFile("Pics")), LineEnds::CrOnly, 0);
    ASSERT_EQ(saved.records.size(), 4u);
    EXPECT_EQ(saved.records[0].text, "Q2?");
    EXPECT_EQ(saved.records[1].text, "Edit");
    EXPECT_EQ(saved.records[1].answers[0], "changed A");
    EXPECT_EQ(saved.records[1].correctAnswer, 4);
    EXPECT_EQ(saved.records[1].value, 15);
    EXPECT_EQ(saved.records[1].pictureFlag, 1);
    EXPECT_EQ(saved.records[2].text, "Q4?"); // Q3 was deleted
    EXPECT_EQ(saved.records[3].text, "");
    EXPECT_EQ(readFile(picture(1)), "a new picture");
    EXPECT_FALSE(fs::exists(picture(0)));
    EXPECT_FALSE(fs::exists(picture(2)));
}

TEST_F(HistoryTest, UndoStopsAtEachFieldAndAfterEachMove) {
    openSet("Set", setFileOf(3));
    typeQuestion("a");
    typeQuestion("ab");
    setAnswer(1, "b");
    setAnswer(1, "bb");
    editor.navigate(Navigation::Previous);
    editor.navigate(Navigation::Next);
    typeQuestion("abc");
    editor.undo();
    EXPECT_EQ(view.shown.text, "ab");
    editor.undo();
    EXPECT_EQ(view.shown.answers[1], "Q3b");
    EXPECT_EQ(view.shown.text, "ab");
    editor.undo();
    EXPECT_EQ(view.shown.text, "Q3?");
    EXPECT_FALSE(editor.modified());
}

TEST_F(HistoryTest, TheCleanStateFollowsSaveUndoAndRedo) {
    openSet("Set", setFileOf(3));
    EXPECT_EQ(view.caption, "Set - Quizvale Setwright");
    typeQuestion("one");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(view.caption, "Set - Quizvale Setwright");
    // Typing on after a save is a new step, so Undo comes back to the save.
    typeQuestion("one two");
    EXPECT_EQ(view.caption, "Set* - Quizvale Setwright");
    editor.undo();
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(view.shown.text, "one");
    editor.undo();
    EXPECT_TRUE(editor.modified());
    editor.redo();
    EXPECT_FALSE(editor.modified());
    // A new change after Undo drops what could be redone; the saved state
    // cannot be reached again.
    editor.undo();
    typeQuestion("other");
    EXPECT_FALSE(editor.canRedo());
    editor.undo();
    EXPECT_TRUE(editor.modified());
}

TEST_F(HistoryTest, MovedQuestionsTakeTheirPicturesAtSave) {
    openPictureSet(3, {0});
    go(1);
    editor.moveQuestion(-1); // nothing above the first question
    EXPECT_FALSE(editor.modified());
    editor.moveQuestion(+1);
    editor.moveQuestion(+1);
    EXPECT_EQ(view.label, "Question number 3 of 3");
    EXPECT_EQ(view.shown.text, "Q1?");
    editor.moveQuestion(+1);
    EXPECT_EQ(readFile(picture(0)), "picture of Q1"); // not before Save
    ASSERT_TRUE(editor.save());
    EXPECT_FALSE(fs::exists(picture(0)));
    EXPECT_EQ(readFile(picture(2)), "picture of Q1");
    editor.undo();
    EXPECT_EQ(view.label, "Question number 2 of 3");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(picture(1)), "picture of Q1");
    EXPECT_FALSE(fs::exists(picture(2)));
}

TEST_F(HistoryTest, ABatchOfQuestionsIsOneStep) {
    openSet("Set", setFileOf(2));
    EXPECT_FALSE(editor.appendQuestions({}));
    EXPECT_FALSE(editor.canUndo());
    EditorQuestion withPicture = completeQuestion("Z");
    withPicture.picturePath = (program.path() / "z.jpg").string();
    writeFile(withPicture.picturePath, "picture of Z");
    ASSERT_TRUE(
        editor.appendQuestions({completeQuestion("X"), completeQuestion("Y"), withPicture}));
    std::filesystem::remove(withPicture.picturePath); // the set keeps its own copy
    EXPECT_EQ(editor.questionCount(), 5);
    EXPECT_EQ(view.label, "Question number 3 of 5");
    EXPECT_EQ(view.shown.text, "X?");
    editor.undo();
    EXPECT_EQ(editor.questionCount(), 2);
    EXPECT_EQ(view.label, "Question number 2 of 2");
    EXPECT_FALSE(editor.modified());
    editor.redo();
    EXPECT_EQ(editor.questions().find(4)->text, "Z?");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setsFolder / "Set" / pictureFileName(4)), "picture of Z");
}

TEST_F(HistoryTest, OpenQuestionSetListsSetsAndAsksAboutChangesFirst) {
    writeFile(setFile("beta"), setFileOf(7));
    writeFile(setFile("Alpha"), setFileOf(2));
    fs::create_directories(setsFolder / "No file");
    fs::create_directories(setsFolder / ".hidden");
    writeFile(setsFolder / ".hidden" / ".hidden.txt", setFileOf(1));
    openSet("Set", setFileOf(3));
    const std::vector<SetSummary> sets = listQuestionSets(setsFolder);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].name, "Alpha");
    EXPECT_EQ(sets[0].questionCount, 2);
    EXPECT_EQ(sets[1].name, "beta");
    EXPECT_EQ(sets[1].questionCount, 7);
    EXPECT_EQ(sets[2].name, "Set");

    typeQuestion("unsaved");
    user.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(editor.openSet("Alpha"));
    EXPECT_EQ(editor.setName(), "Set");
    user.answers = {MessageAnswer::No};
    EXPECT_TRUE(editor.openSet("Alpha"));
    EXPECT_EQ(view.label, "Question number 2 of 2");
    EXPECT_EQ(view.caption, "Alpha - Quizvale Setwright");
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(readFile(setFile("Set")), setFileOf(3));

    user.messages.clear();
    EXPECT_FALSE(editor.openSet("No file"));
    ASSERT_EQ(user.titles(), std::vector<std::string>{"Question Set Not Opened"});
    EXPECT_EQ(editor.setName(), "Alpha");
    EXPECT_EQ(editor.questionCount(), 2);
    EXPECT_FALSE(editor.openSet("../Alpha"));
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Alpha");
}

} // namespace
} // namespace qv::test
