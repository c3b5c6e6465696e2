// SPDX-License-Identifier: MIT
// File > Import Questions… and Export Questions… in the editor window: the
// preview shows what would come in and changes nothing until Import, the
// import is one step of the history, and Question Stats lists the problems.

#include "editor/model/FilePictureHook.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/ImportPreview.h"
#include "editor/ui/InterchangeMenus.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "interchange_dialog_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// The preview's list of records, one line each: "LINE | RUNG | QUESTION |
// RIGHT ANSWER or REASON".
std::vector<std::string> listedRecords(QDialog& shown) {
    std::vector<std::string> lines;
    auto* list = shown.findChild<QTreeWidget*>("importRecords");
    for (int i = 0; list != nullptr && i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        lines.push_back(
            (item->text(0) + " | " + item->text(1) + " | " + item->text(2) + " | " + item->text(3))
                .toStdString());
    }
    return lines;
}

class ImportDialog : public ::testing::Test {
protected:
    ImportDialog() {
        sets = folder.path() / "Resources" / "QuestionSets";
        writeFile(sets / "Night" / "Night.txt",
                  "2\r\n\r\nOld one?\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n"
                  "\r\nOld two?\r\na\r\nb\r\nc\r\nd\r\n2\r\n2\r\n0\r\n");
        profile.values["Previous Question Set/Name"] = "Night";
        fs::copy_file(interchangeData() / "quiz-night.csv", folder.path() / "quiz-night.csv");
        writeFile(folder.path() / "pictures" / "square.bmp", flatBmp(900, 300, {200, 30, 30}));
        dialog = std::make_unique<EditorDialog>(user, pictures, profile, sets);
        EXPECT_TRUE(dialog->startUp());
        menus = new InterchangeMenus(*dialog);
        menus->setFileChooser([this](bool save) -> std::optional<fs::path> {
            if (save) {
                return folder.path() / "out";
            }
            return chosen;
        });
    }

    void trigger(const char* name) {
        auto* entry = dialog->findChild<QAction*>(name);
        ASSERT_NE(entry, nullptr) << name;
        entry->trigger();
    }

    TempFolder folder;
    fs::path sets;
    std::optional<fs::path> chosen;
    RecordingUser user;
    FilePictureHook pictures;
    MemoryProfile profile;
    std::unique_ptr<EditorDialog> dialog;
    InterchangeMenus* menus = nullptr;
};

TEST_F(ImportDialog, PreviewThenImportIsOneStepThatUndoTakesBack) {
    chosen = folder.path() / "quiz-night.csv";
    QString summary;
    std::vector<std::string> listed;
    QString rungsWhenFixed;
    menus->setDialogRunner([&](QDialog& shown) {
        summary = shown.findChild<QLabel*>("importSummary")->text();
        listed = listedRecords(shown);
        auto* rungs = shown.findChild<QComboBox*>("rungList");
        rungs->setCurrentIndex(15);
        rungsWhenFixed = shown.findChild<QLabel*>("importRungs")->text();
        rungs->setCurrentIndex(0);
        EXPECT_EQ(dialog->editor().questionCount(), 2); // nothing changes before Import
        return static_cast<int>(QDialog::Accepted);
    });
    trigger("importQuestionsAction");
    EXPECT_THAT(summary.toStdString(),
                HasSubstr("quiz-night.csv: 7 questions would be added to the set \"Night\"; 7 "
                          "records would be skipped."));
    // Every record in file order: the questions with rung and right answer,
    // the skipped ones with their reasons beside them. The Chinese answers of
    // line 10 come in; line 11's long answer does not.
    ASSERT_EQ(listed.size(), 14u);
    EXPECT_EQ(listed[0], "2 | 100 | Which city is the capital of Australia? | C: Canberra");
    EXPECT_THAT(listed[5], testing::StartsWith("10 | "));
    EXPECT_THAT(listed[5], testing::Not(HasSubstr("skipped")));
    EXPECT_THAT(listed[6], HasSubstr("11 | skipped | "));
    EXPECT_THAT(listed[6], HasSubstr("answer D has 35 characters, more than 32"));
    // A fixed rung takes the rows that give only a difficulty (easy, hard).
    EXPECT_THAT(rungsWhenFixed.toStdString(), HasSubstr(">1000000:</td><td width=\"48\">&nbsp;3<"));
    EXPECT_THAT(rungsWhenFixed.toStdString(), HasSubstr(">100:</td><td width=\"48\">&nbsp;1<"));

    Editor& editor = dialog->editor();
    ASSERT_EQ(editor.questionCount(), 9);
    EXPECT_EQ(editor.currentIndex(), 2);
    EXPECT_EQ(editor.currentRecord()->text, "Which city is the capital of Australia?");
    EXPECT_FALSE(editor.questions().find(6)->picturePath.empty());
    editor.undo();
    EXPECT_EQ(editor.questionCount(), 2);
    EXPECT_FALSE(editor.modified());
    editor.redo();
    EXPECT_EQ(editor.questionCount(), 9);
    ASSERT_TRUE(editor.save());
    const std::string saved = readFile(sets / "Night" / "Night.txt");
    // The Chinese answers make the set UTF-8, after its byte-order mark.
    EXPECT_EQ(saved.substr(0, 6), "\xEF\xBB\xBF"
                                  "9\r\n");
    EXPECT_THAT(saved, HasSubstr("\r\n\xE4\xB8\xAD\r\n"));
    // The picture came in as Add Pic brings one in: shrunk to 680 x 226.
    const image::Image picture = decodePicture(sets / "Night" / "pic_for_q_7.jpg");
    EXPECT_EQ(picture.width, 680u);
    EXPECT_EQ(picture.height, 226u);

    // A cancelled preview and a file with nothing to import change nothing.
    menus->setDialogRunner([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    trigger("importQuestionsAction");
    writeFile(folder.path() / "none.csv", "question,a,b,c,d,correct\r\nQ,a,a,b,c,A\r\n");
    chosen = folder.path() / "none.csv";
    bool importEnabled = true;
    menus->setDialogRunner([&](QDialog& shown) {
        importEnabled = shown.findChild<QPushButton*>("importButton")->isEnabled();
        return static_cast<int>(QDialog::Accepted);
    });
    trigger("importQuestionsAction");
    EXPECT_FALSE(importEnabled);
    EXPECT_EQ(editor.questionCount(), 9);
    EXPECT_FALSE(editor.modified());
}

TEST_F(ImportDialog, UnknownColumnsAreChosenInTheDialogAndRepeatsComeInWhenAsked) {
    writeFile(folder.path() / "fragen.csv", "Frage,Eins,Zwei,Drei,Vier,Richtig,Zeit\r\n"
                                            "Old one?,a,b,c,d,1,20\r\n"
                                            "Wie viel ist 2+2?,3,4,5,6,2,20\r\n");
    chosen = folder.path() / "fragen.csv";
    bool mappingShown = false;
    std::vector<std::string> guessed;
    std::vector<std::string> withRepeats;
    menus->setDialogRunner([&](QDialog& shown) {
        mappingShown = !shown.findChild<QGroupBox*>("importColumns")->isHidden();
        // The first guess takes question, four answers and the right one in
        // the order most files use: right for this file.
        guessed = listedRecords(shown);
        auto* correct = shown.findChild<QComboBox*>("columnCorrect");
        EXPECT_EQ(correct->currentText().toStdString(), "6: Richtig");
        correct->setCurrentIndex(0); // none: nothing can come in
        EXPECT_FALSE(shown.findChild<QPushButton*>("importButton")->isEnabled());
        correct->setCurrentIndex(6);
        shown.findChild<QCheckBox*>("importRepeats")->setChecked(true);
        withRepeats = listedRecords(shown);
        return static_cast<int>(QDialog::Accepted);
    });
    trigger("importQuestionsAction");
    EXPECT_TRUE(mappingShown);
    ASSERT_EQ(guessed.size(), 2u);
    EXPECT_EQ(guessed[0], "2 | skipped | Old one? | the question is already in the set");
    EXPECT_EQ(guessed[1], "3 | 100 | Wie viel ist 2+2? | B: 4");
    ASSERT_EQ(withRepeats.size(), 2u);
    EXPECT_EQ(withRepeats[0], "2 | 100 | Old one? | A: a");
    EXPECT_EQ(dialog->editor().questionCount(), 4);
}

TEST_F(ImportDialog, StatsListTheProblemsAndExportWritesWhatTheEditorHolds) {
    user.messages.clear();
    dialog->findChild<QPushButton*>("questionStats")->click();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_THAT(user.messages[0].text,
                HasSubstr("\n\nTotal:2\n\nProblems:\nrung 1 (100): 1 question, fewer than 9\n"));

    trigger("exportQuestionsAction");
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].title, "Questions Exported");
    EXPECT_EQ(readFile(folder.path() / "out.csv"),
              "\xEF\xBB\xBFquestion,a,b,c,d,correct,rung,picture\r\n"
              "Old one?,a,b,c,d,A,1,\r\nOld two?,a,b,c,d,B,2,\r\n");
}

} // namespace
} // namespace qv::test
