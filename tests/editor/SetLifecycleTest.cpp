// SPDX-License-Identifier: MIT
// Start-up, new sets, saving, closing and the pictures that follow questions.

#include "common/SetFile.h"
#include "tests/editor/EditorFixture.h"

namespace qv::test {
namespace {

class SetLifecycleTest : public EditorFixture {
protected:
    std::filesystem::path picture(const std::string& set, int position) const {
        return setsFolder / set / pictureFileName(position);
    }
};

TEST_F(SetLifecycleTest, FirstStartCancelledEndsWithoutTouchingTheProfile) {
    EXPECT_FALSE(editor.startUp());
    EXPECT_EQ(user.nameDialogs, 1);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(profile.writes, 0);
    EXPECT_TRUE(std::filesystem::is_directory(setsFolder));
}

// `count` Greek letters: two bytes each in UTF-8.
std::string greek(int count) {
    std::string name;
    for (int i = 0; i < count; ++i) {
        name += "\xCE\xB1";
    }
    return name;
}

TEST_F(SetLifecycleTest, NamesThatAreNoPlainFolderNameAreRefused) {
    user.names = {"",          ".",         "..",
                  "../Escape", "a/b",       "a\\b",
                  ".hidden",   "tab\tname", std::string(33, 'x'),
                  "What?",     "bad\xFF",   "c1\xC2\x85",
                  greek(33),   greek(32)};
    ASSERT_TRUE(editor.startUp());
    EXPECT_EQ(user.messages.size(), 13u);
    for (const Message& m : user.messages) {
        EXPECT_EQ(m.text, "Please enter a valid name");
        EXPECT_EQ(m.title, "Invalid Name");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    // The limit counts characters, not bytes.
    EXPECT_EQ(editor.setName(), greek(32));
    // The set exists on disk only once it is saved.
    EXPECT_FALSE(std::filesystem::exists(setsFolder / greek(32)));
    EXPECT_FALSE(std::filesystem::exists(program.path() / "Resources" / "Escape"));
    // A first start with a name shows one empty question, already changed.
    EXPECT_EQ(view.label, "Question number 1 of 1");
    EXPECT_EQ(editor.questionCount(), 1);
    EXPECT_TRUE(editor.modified());
}

TEST_F(SetLifecycleTest, AProfileNamingAPathOutsideTheSetsIsNotFollowed) {
    writeFile(program.path() / "Resources" / "Outside" / "Outside.txt", setFileOf(2));
    profile.values["Previous Question Set/Name"] = "../Outside";
    EXPECT_FALSE(editor.startUp());
    EXPECT_EQ(user.nameDialogs, 1);
}

TEST_F(SetLifecycleTest, CloseRemembersTheSetAndTheNextStartReopensIt) {
    openSet("Kept", setFileOf(3));
    ASSERT_TRUE(editor.close());
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Kept");

    RecordingView secondView;
    Editor second(EditorServices{user, secondView, pictures, profile}, setsFolder);
    ASSERT_TRUE(second.startUp());
    EXPECT_EQ(secondView.label, "Question number 3 of 3");
    EXPECT_EQ(user.nameDialogs, 0);
}

TEST_F(SetLifecycleTest, UnsavedChangesAskBeforeClosing) {
    openSet("Kept", setFileOf(3));
    typeQuestion("changed");
    user.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_FALSE(editor.close());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "You have unsaved changes. Would you like to save them?");
    EXPECT_EQ(user.messages[0].title, "Unsaved Changes");
    EXPECT_EQ(user.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(user.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(profile.writes, 0);
    EXPECT_TRUE(editor.close());
    EXPECT_EQ(readFile(setFile("Kept")), setFileOf(3)); // No: nothing saved
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Kept");
}

TEST_F(SetLifecycleTest, AFailedSaveIsReportedKeepsModifiedAndTheOldFile) {
    openSet("Gone", setFileOf(2));
    typeQuestion("changed");
    editor.setSaveStepHook([](SaveStep step) { return step != SaveStep::SetFile; });
    EXPECT_FALSE(editor.save());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text,
              "Save error. Please check disc space and file write privileges");
    EXPECT_EQ(user.messages[0].title, "Question Set Not Saved");
    EXPECT_EQ(user.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(editor.modified());

    EXPECT_EQ(readFile(setFile("Gone")), setFileOf(2));

    // Exit, Yes: the error is shown and the editor still closes.
    user.messages.clear();
    user.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(editor.close());
    EXPECT_EQ(user.titles(),
              (std::vector<std::string>{"Unsaved Changes", "Question Set Not Saved"}));
}

TEST_F(SetLifecycleTest, ASetSavedUnchangedIsIdenticalByteForByte) {
    // Written by the editor's own format, with pictures, odd codes and
    // Windows-1252 bytes.
    std::vector<SetFileRecord> records(3);
    records[0] = {"Caf\xc3\xa9 \xe2\x82\xac?", {"a", "b", "c", "d"}, 1, 15, 1};
    records[1] = {"", {"", "", "", ""}, 0, 0, 0};
    records[2] = {"x", {"1", "2", "3", "4"}, 4, 20, 1};
    const std::string bytes = writeSetFile(records);
    writeFile(picture("Trip", 0), "picture one");
    writeFile(picture("Trip", 2), "picture three");
    openSet("Trip", bytes);
    editor.setCurrentIndex(0);
    editor.showQuestion();
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Trip")), bytes);
    EXPECT_EQ(readFile(picture("Trip", 0)), "picture one");
    EXPECT_EQ(readFile(picture("Trip", 2)), "picture three");
    EXPECT_EQ(editor.currentIndex(), 0);
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(SetLifecycleTest, ASetInAnyScriptIsSavedAsUtf8UnderItsOwnName) {
    // A Greek set name (a folder named in UTF-8), a Greek question and a
    // Cyrillic answer; saved unchanged it keeps its bytes, and a set whose
    // texts come back within Windows-1252 is written in that code page again.
    const std::string name =
        "\xce\x93\xce\xb5\xcf\x89\xce\xb3\xcf\x81\xce\xb1\xcf\x86\xce\xaf\xce\xb1";
    std::vector<SetFileRecord> records(2);
    records[0] = {"\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1;",
                  {"a", "\xd0\xae\xd0\xbb\xd0\xb8\xd1\x8f", "c", "d"},
                  2,
                  3,
                  0};
    records[1] = {"Plain?", {"1", "2", "3", "4"}, 1, 1, 0};
    const std::string bytes = writeSetFile(records);
    openSet(name, bytes);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(editor.caption(), name + " - Quizvale Setwright");
    editor.setCurrentIndex(0);
    editor.showQuestion();
    EXPECT_EQ(view.shown.text, records[0].text);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile(name)), bytes);

    QuestionFields fields = editor.fields();
    fields.text = "Athens?";
    fields.answers[1] = "Julia";
    editor.storeFields(fields);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile(name)).substr(0, 14), "2\r\n\r\nAthens?\r\n");
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], name);
}

TEST_F(SetLifecycleTest, BadBytesOfAUtf8SetAreNamedByFileAndLineAndTheRecordsKept) {
    openSet("Damaged", "\xEF\xBB\xBF"
                       "2\r\n\r\nq\xFF\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n"
                       "\r\nfine\r\na\r\nb\r\nc\r\n\xC3\r\n1\r\n2\r\n0\r\n");
    EXPECT_EQ(editor.questionCount(), 2);
    ASSERT_EQ(user.titles(), std::vector<std::string>{"Question Set Damaged"});
    const std::string file = setFile("Damaged").string();
    EXPECT_NE(user.messages[0].text.find("\n" + file + ":3\n" + file + ":16"), std::string::npos)
        << user.messages[0].text;
    EXPECT_EQ(editor.questions().find(0)->text, "q\xEF\xBF\xBD");
    EXPECT_EQ(editor.questions().find(1)->value, 2);

    user.messages.clear();
    ASSERT_TRUE(editor.close());
    openSet("Mark", "\xEF\xBB\xBF");
    ASSERT_EQ(user.titles(), std::vector<std::string>{"Question Set Damaged"});
    EXPECT_NE(user.messages[0].text.find("only a byte-order mark"), std::string::npos);
}

TEST_F(SetLifecycleTest, FilesFromElsewhereComeBackInPlainForm) {
    openSet("Foreign", "1\nsep\nq\na\nb\nc\nd\n007\n  3x\n1\n");
    // The picture is missing: showing reports it and drops the flag.
    EXPECT_EQ(user.titles(), std::vector<std::string>{"Image Not Used"});
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Foreign")), "1\r\n\r\nq\r\na\r\nb\r\nc\r\nd\r\n7\r\n3\r\n0\r\n");
}

TEST_F(SetLifecycleTest, HostileSetFilesLoadWhatIsComplete) {
    const std::string cases[] = {
        "", "-5\r\n", "99999999\r\n\r\nq\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n",
        "2\r\n\r\nq\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n\r\nhalf",
        "1\r\n\r\n" + std::string(100000, 'z') + "\r\na\r\nb\r\nc\r\nd\r\n300\r\n-1\r\n0\r\n"};
    const int counts[] = {0, 0, 1, 1, 1};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        writeFile(setFile("Bad"), cases[i]);
        editor.setSetName("Bad");
        ASSERT_TRUE(editor.loadSet()) << i;
        EXPECT_EQ(editor.questionCount(), counts[i]) << i;
        editor.showQuestion();
    }
    EXPECT_EQ(editor.currentRecord()->text.size(), 255u);
    EXPECT_EQ(editor.currentRecord()->correctAnswer, 44); // 300 cut to 8 bits
    EXPECT_EQ(editor.currentRecord()->value, -1);
}

TEST_F(SetLifecycleTest, SaveAsCarriesTheOpenQuestionsAndTheirPictures) {
    std::vector<SetFileRecord> records(3);
    for (int i = 0; i < 3; ++i) {
        records[static_cast<std::size_t>(i)] = {
            "q" + std::to_string(i), {"a", "b", "c", "d"}, 1, 1, i == 1 ? 0 : 1};
    }
    writeFile(picture("Old", 0), "first");
    writeFile(picture("Old", 2), "third");
    openSet("Old", writeSetFile(records));
    typeQuestion("edited");
    user.names = {"Old", "New"};
    ASSERT_TRUE(editor.saveAs());
    EXPECT_EQ(user.titles(), std::vector<std::string>{"Invalid Name"}); // "Old" is taken
    EXPECT_EQ(editor.setName(), "New");
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.caption(), "New - Quizvale Setwright");

    SetFileContents saved = readSetFile(readFile(setFile("New")), LineEnds::CrOnly, 0);
    ASSERT_EQ(saved.records.size(), 3u);
    EXPECT_EQ(saved.records[0].pictureFlag, 1);
    EXPECT_EQ(saved.records[1].pictureFlag, 0);
    EXPECT_EQ(saved.records[2].pictureFlag, 1);
    EXPECT_EQ(saved.records[2].text, "edited");
    EXPECT_EQ(readFile(picture("New", 0)), "first");
    EXPECT_EQ(readFile(picture("New", 2)), "third");
    EXPECT_EQ(readFile(setFile("Old")), writeSetFile(records)); // the old set is untouched
    EXPECT_EQ(readFile(picture("Old", 2)), "third");

    // Later saves go to the new name; closing remembers it.
    typeQuestion("again");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Old")), writeSetFile(records));
    ASSERT_TRUE(editor.close());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "New");
}

TEST_F(SetLifecycleTest, TheNameOfAnExistingSetIsRefused) {
    writeFile(setFile("Taken"), setFileOf(2));
    writeFile(setsFolder / "Pictures only" / pictureFileName(0), "picture");
    std::filesystem::create_directories(setsFolder / "Never saved");
    openSet("Open", setFileOf(1));
    user.names = {"Taken", "Open", "Pictures only", "Never saved"};
    EXPECT_EQ(editor.newSet(), NewSetResult::Created);
    ASSERT_EQ(user.messages.size(), 3u);
    for (const Message& m : user.messages) {
        EXPECT_EQ(m.text,
                  "A question set with that name already exists. Please enter another name");
        EXPECT_EQ(m.title, "Invalid Name");
        EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    // An empty folder holds nothing to lose.
    EXPECT_EQ(editor.setName(), "Never saved");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Taken")), setFileOf(2));
    EXPECT_EQ(readFile(setFile("Open")), setFileOf(1));
}

TEST_F(SetLifecycleTest, NewSetAsksAboutUnsavedChangesFirst) {
    openSet("Old", setFileOf(1));
    typeQuestion("changed");
    user.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(editor.newSet(), NewSetResult::Cancelled);
    EXPECT_EQ(user.nameDialogs, 0);
    user.answers = {MessageAnswer::No};
    EXPECT_EQ(editor.newSet(), NewSetResult::Cancelled); // the name dialog was cancelled
    EXPECT_EQ(user.nameDialogs, 1);
    EXPECT_EQ(editor.setName(), "Old");
    EXPECT_EQ(editor.questionCount(), 1);
}

TEST_F(SetLifecycleTest, PicturesMoveDownWithTheirQuestionsOnDeletion) {
    std::vector<SetFileRecord> records(4);
    for (int i = 0; i < 4; ++i) {
        records[static_cast<std::size_t>(i)] = {
            "q" + std::to_string(i), {"a", "b", "c", "d"}, 1, 1, i == 2 ? 0 : 1};
        if (i != 2) {
            writeFile(picture("Pics", i), "pic of q" + std::to_string(i));
        }
    }
    openSet("Pics", writeSetFile(records));
    editor.setCurrentIndex(0);
    editor.showQuestion();
    editor.deleteQuestion(); // q1, q2 (no picture), q3 move down
    // Showing the questions in any order, then saving, loses no picture.
    editor.navigate(Navigation::Last);
    editor.navigate(Navigation::Previous);
    editor.navigate(Navigation::First);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(picture("Pics", 0)), "pic of q1");
    EXPECT_FALSE(std::filesystem::exists(picture("Pics", 1)));
    EXPECT_EQ(readFile(picture("Pics", 2)), "pic of q3");
    SetFileContents saved = readSetFile(readFile(setFile("Pics")), LineEnds::CrOnly, 0);
    ASSERT_EQ(saved.records.size(), 3u);
    EXPECT_EQ(saved.records[0].pictureFlag, 1);
    EXPECT_EQ(saved.records[1].pictureFlag, 0);
    EXPECT_EQ(saved.records[2].pictureFlag, 1);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(SetLifecycleTest, RemovingAPictureMarksTheSetAndDeletesTheFileWithSave) {
    std::vector<SetFileRecord> records = {{"q", {"a", "b", "c", "d"}, 1, 1, 1}};
    writeFile(picture("Rm", 0), "pic");
    openSet("Rm", writeSetFile(records));
    editor.removePicture();
    EXPECT_TRUE(std::filesystem::exists(picture("Rm", 0)));
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(editor.currentRecord()->picturePath.empty());
    ASSERT_TRUE(editor.save());
    EXPECT_FALSE(std::filesystem::exists(picture("Rm", 0)));
}

TEST_F(SetLifecycleTest, AddingAPictureRemembersItsPathButACancelChangesNothing) {
    openSet("Add", setFileOf(3));
    editor.setCurrentIndex(2);
    editor.showQuestion();
    // Cancelled, it changes nothing, so Exit has nothing to ask about.
    editor.addPicture(std::nullopt);
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(profile.writes, 0);
    writeFile(program.path() / "Holiday.JPG", "chosen");
    editor.addPicture(program.path() / "Holiday.JPG");
    EXPECT_EQ(editor.previousPicturePath(), program.path() / "Holiday.JPG");
    // A picture that cannot be used leaves the question the one it had.
    editor.addPicture(program.path() / "missing.jpg");
    EXPECT_EQ(user.titles(), std::vector<std::string>{"Image Not Used"});
    EXPECT_FALSE(editor.currentRecord()->picturePath.empty());
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(picture("Add", 2)), "chosen");
}

} // namespace
} // namespace qv::test
