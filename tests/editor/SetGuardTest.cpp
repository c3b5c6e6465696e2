// SPDX-License-Identifier: MIT
// What keeps a user's work safe: a set with no questions takes no typing, a
// new set exists only once saved, a save notices a file changed by another
// program, a set another window holds opens read-only, and the two lists
// take typed entries as single steps.

#include "common/SetFile.h"
#include "editor/model/ListTyping.h"
#include "tests/editor/EditorFixture.h"

#include <set>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// Every file and folder under `root` with its content, for "left exactly as
// it was" checks.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        out[name] = entry.is_regular_file() ? readFile(entry.path()) : std::string("<folder>");
    }
    return out;
}

// A lock that other windows hold for the files listed in `taken`.
class FakeLock : public SetLock {
public:
    bool take(const fs::path& lockFile, std::string& holder) override {
        if (taken.count(lockFile.filename().string()) != 0) {
            holder = "process 4242 on desk";
            return false;
        }
        held = lockFile.filename().string();
        return true;
    }
    std::optional<std::string> heldElsewhere(const fs::path& lockFile) override {
        if (taken.count(lockFile.filename().string()) != 0) {
            return "process 4242 on desk";
        }
        return std::nullopt;
    }
    void release() override { held.clear(); }

    std::set<std::string> taken;
    std::string held;
};

class SetGuardTest : public EditorFixture {
protected:
    void choose(std::int8_t correct, std::int8_t value) {
        QuestionFields fields = editor.fields();
        fields.correctAnswer = correct;
        fields.value = value;
        editor.storeFields(fields);
    }
    FakeLock lock;
};

TEST_F(SetGuardTest, ASetWithNoQuestionsTakesNoTypingUntilANewQuestion) {
    openSet("One", setFileOf(1));
    editor.deleteQuestion();
    EXPECT_EQ(view.label, "No questions");
    EXPECT_FALSE(view.questionEnabled);
    EXPECT_EQ(view.shown.text, ""); // the deleted question's text is gone from the fields
    typeQuestion("Typed text");
    EXPECT_EQ(view.shown.text, "") << "the fields go back to showing nothing";
    EXPECT_EQ(editor.questionCount(), 0);

    // New Question is the way in, and then nothing typed is lost.
    editor.newQuestion();
    EXPECT_TRUE(view.questionEnabled);
    typeQuestion("Typed text");
    ASSERT_TRUE(editor.save());
    const SetFileContents saved = readSetFile(readFile(setFile("One")), LineEnds::CrOnly, 0);
    ASSERT_EQ(saved.records.size(), 1u);
    EXPECT_EQ(saved.records[0].text, "Typed text");
}

TEST_F(SetGuardTest, ANewSetExistsOnlyOnceSavedAndStartsWithOneEmptyQuestion) {
    openSet("Trip", setFileOf(3));
    const auto before = snapshot(setsFolder);
    user.names = {"Fresh"};
    ASSERT_EQ(editor.newSet(), NewSetResult::Created);
    EXPECT_EQ(editor.questionCount(), 1);
    EXPECT_EQ(view.label, "Question number 1 of 1");
    EXPECT_EQ(view.shown.text, "");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.caption(), "Fresh* - Quizvale Setwright");
    EXPECT_FALSE(editor.canUndo()); // the one question is the set's start, not an edit
    EXPECT_EQ(snapshot(setsFolder), before);

    // Exit, No: nothing on disk and the profile as it was.
    user.answers = {MessageAnswer::No};
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(snapshot(setsFolder), before);
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Trip");
    EXPECT_EQ(profile.writes, 0);

    // Saved, it exists and is remembered.
    ASSERT_TRUE(editor.startUp());
    user.names = {"Fresh"};
    ASSERT_EQ(editor.newSet(), NewSetResult::Created);
    typeQuestion("First of the fresh set");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readSetFile(readFile(setFile("Fresh")), LineEnds::CrOnly, 0).records.size(), 1u);
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Fresh");
    EXPECT_EQ(readFile(setFile("Trip")), setFileOf(3));
}

TEST_F(SetGuardTest, ASaveAsksBeforeOverwritingAFileChangedOutside) {
    openSet("Shared", setFileOf(4));
    typeQuestion("mine");
    // Another program rewrites the file: same size, same time, other bytes.
    const fs::file_time_type time = fs::last_write_time(setFile("Shared"));
    std::string theirs = setFileOf(4);
    theirs[theirs.find("Q1")] = 'X';
    writeFile(setFile("Shared"), theirs);
    fs::last_write_time(setFile("Shared"), time);

    user.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(editor.save());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text,
              "The set was changed outside Setwright. Overwrite it, or reload?");
    EXPECT_EQ(user.messages[0].yesText, "Overwrite");
    EXPECT_EQ(user.messages[0].noText, "Reload");
    EXPECT_EQ(user.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(readFile(setFile("Shared")), theirs);
    EXPECT_TRUE(editor.modified());

    // Exit, Yes, then Cancel at the question: the editor stays open.
    user.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
    EXPECT_FALSE(editor.close());
    EXPECT_EQ(readFile(setFile("Shared")), theirs);

    // Overwrite: this window's set is written, and the next save asks nothing.
    user.messages.clear();
    user.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(editor.save());
    typeQuestion("mine again");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(readSetFile(readFile(setFile("Shared")), LineEnds::CrOnly, 0).records[3].text,
              "mine again");

    // Reload: what is on disk replaces this window's changes.
    writeFile(setFile("Shared"), setFileOf(2));
    typeQuestion("lost on purpose");
    user.answers = {MessageAnswer::No};
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(editor.questionCount(), 2);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(readFile(setFile("Shared")), setFileOf(2));
    // A set file deleted outside counts as changed too.
    fs::remove(setFile("Shared"));
    typeQuestion("changed");
    user.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(editor.save());
    EXPECT_FALSE(fs::exists(setFile("Shared")));
}

TEST_F(SetGuardTest, ASetAnotherWindowHoldsOpensReadOnly) {
    writeFile(setFile("Held"), setFileOf(3));
    lock.taken = {".Held.lock"};
    editor.setSetLock(&lock);
    openSet("Held", setFileOf(3));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Question Set In Use");
    EXPECT_NE(user.messages[0].text.find("\"Held\""), std::string::npos);
    EXPECT_NE(user.messages[0].text.find("process 4242 on desk"), std::string::npos);
    EXPECT_TRUE(editor.readOnly());
    EXPECT_TRUE(view.readOnly);
    EXPECT_EQ(editor.caption(), "Held (read-only) - Quizvale Setwright");

    // Nothing changes it and nothing saves it.
    typeQuestion("no");
    editor.deleteQuestion();
    editor.newQuestion();
    editor.removePicture();
    EXPECT_EQ(editor.questionCount(), 3);
    EXPECT_FALSE(editor.modified());
    EXPECT_FALSE(editor.save());
    EXPECT_EQ(readFile(setFile("Held")), setFileOf(3));

    // Its name cannot be taken for a new set either; another set opens writable.
    writeFile(setFile("Free"), setFileOf(2));
    EXPECT_FALSE(editor.acceptSetName("Held"));
    ASSERT_TRUE(editor.openSet("Free"));
    EXPECT_FALSE(editor.readOnly());
    EXPECT_FALSE(view.readOnly);
    EXPECT_EQ(lock.held, ".Free.lock");
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(lock.held, "");
}

TEST_F(SetGuardTest, TypedKeysPickListEntries) {
    struct Case {
        ChoiceList list;
        const char* typed;
        int code;
    };
    const Case cases[] = {
        {ChoiceList::CorrectAnswer, "C", 3},  {ChoiceList::CorrectAnswer, "a", 1},
        {ChoiceList::CorrectAnswer, "4", 4},  {ChoiceList::CorrectAnswer, "E", -1},
        {ChoiceList::CorrectAnswer, "5", -1}, {ChoiceList::CorrectAnswer, "AB", -1},
        {ChoiceList::Value, "500", 4},        {ChoiceList::Value, "1000000", 15},
        {ChoiceList::Value, "100", 1},        {ChoiceList::Value, "1000", 5},
        {ChoiceList::Value, "7", 7},          {ChoiceList::Value, "15", 15},
        {ChoiceList::Value, "16", -1},        {ChoiceList::Value, "0", -1},
        {ChoiceList::Value, "05", -1},        {ChoiceList::Value, "50", -1},
        {ChoiceList::Value, "D", -1},         {ChoiceList::Value, "99999999", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typedChoice(c.list, c.typed), c.code) << c.typed;
    }
}

TEST_F(SetGuardTest, ARunOfKeysInAListIsOneStepAndEachOtherChoiceItsOwn) {
    openSet("Lists", setFileOf(2));
    const std::int8_t correct = editor.fields().correctAnswer;
    const std::int8_t value = editor.fields().value;
    // "500" typed: the rung 5 first, then the prize 500.
    editor.sealEdits();
    editor.continueListRun();
    choose(correct, 5);
    editor.continueListRun();
    choose(correct, 4);
    editor.endListRun();
    // A run of three Down presses in the other list.
    editor.sealEdits();
    for (std::int8_t code = 2; code <= 4; ++code) {
        editor.continueListRun();
        choose(code, 4);
    }
    // Two choices with the mouse.
    choose(1, 9);
    choose(1, 10);
    EXPECT_EQ(editor.currentRecord()->value, 10);

    editor.undo();
    EXPECT_EQ(editor.currentRecord()->value, 9);
    editor.undo();
    EXPECT_EQ(editor.currentRecord()->value, 4);
    EXPECT_EQ(editor.currentRecord()->correctAnswer, 4);
    editor.undo();
    EXPECT_EQ(editor.currentRecord()->correctAnswer, correct);
    EXPECT_EQ(editor.currentRecord()->value, 4);
    editor.undo();
    EXPECT_EQ(editor.currentRecord()->value, value);
    EXPECT_FALSE(editor.modified());
}

TEST_F(SetGuardTest, TheIncompleteMessageNamesEveryMissingPart) {
    openSet("Parts", setFileOf(2));
    QuestionFields fields = editor.fields();
    fields.answers[2].clear();
    fields.value = 0;
    editor.storeFields(fields);
    editor.newQuestion();
    fields.text.clear();
    fields.answers[0].clear();
    fields.correctAnswer = 0;
    editor.storeFields(fields);
    editor.goToQuestion(1);
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text,
              "The current question is incomplete. Please finish before creating a new one\n\n"
              "Missing: the answer C, the prize.");
    EXPECT_EQ(user.messages[1].text,
              "The current question is incomplete. Please finish before moving to another "
              "question\n\nMissing: the question, the answer A, the answer C, the correct answer, "
              "the prize.");
    EXPECT_EQ(editor.currentIndex(), 1);
}

} // namespace
} // namespace qv::test
