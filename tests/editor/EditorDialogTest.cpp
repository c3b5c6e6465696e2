// SPDX-License-Identifier: MIT
// The dialog over the editor, driven as a user would, with every message box
// answered by the recording double.

#include "editor/ui/EditorDialog.h"
#include "common/Utf16.h"
#include "editor/ui/DialogUnits.h"
#include "editor/ui/FieldTextValidator.h"
#include "editor/ui/NewSetDialog.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/QtEditorUser.h"
#include "tests/editor/EditorDoubles.h"

#include "editor/model/FilePictureHook.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// One application for the whole run, ended before the program's static
// objects go (a static QApplication would outlive parts of Qt it needs).
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "qv_editor_ui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Types characters one key press each, also those QTest has no key for
// (a character outside the Basic Multilingual Plane is one press).
void typeText(QWidget* widget, const QString& text) {
    for (char32_t unit : text.toUcs4()) {
        const QString c = QString::fromUcs4(&unit, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &release);
    }
}

class EditorDialogTest : public ::testing::Test {
protected:
    EditorDialogTest() {
        setsFolder = program.path() / "Resources" / "QuestionSets";
        writeFile(setsFolder / "Five" / "Five.txt", setFileOf(5));
        profile.values["Previous Question Set/Name"] = "Five";
        dialog = std::make_unique<EditorDialog>(user, pictures, profile, setsFolder);
        EXPECT_TRUE(dialog->startUp());
        dialog->show();
    }

    template <typename T> T* child(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString label() { return child<QLabel>("questionLabel")->text(); }

    TempFolder program;
    std::filesystem::path setsFolder;
    RecordingUser user;
    FilePictureHook pictures;
    MemoryProfile profile;
    std::unique_ptr<EditorDialog> dialog;
};

TEST_F(EditorDialogTest, ControlsSitWhereTheLayoutPutsThem) {
    // The dialog layout lies below the menu bar.
    const int menuHeight = dialog->menuBar()->height();
    EXPECT_GT(menuHeight, 10);
    EXPECT_EQ(dialog->size(), QSize(738, 635 + menuHeight));
    EXPECT_EQ(child<QWidget>("body")->geometry(), QRect(0, menuHeight, 738, 635));
    EXPECT_EQ(dialog->windowTitle(), "Five - Quizvale Setwright");
    EXPECT_EQ(child<QLineEdit>("questionField")->geometry(), QRect(84, 96, 381, 21));
    EXPECT_EQ(child<QLineEdit>("answerBField")->geometry(), dialogRect(206, 83, 104, 13));
    EXPECT_EQ(child<QPushButton>("exit")->geometry(), QRect(650, 601, 76, 23));
    EXPECT_EQ(child<QPushButton>("newQuestionSet")->geometry(), dialogRect(7, 371, 76, 14));
    const char* names[] = {"firstQuestion", "tenBack", "previousQuestion",
                           "nextQuestion",  "tenOn",   "lastQuestion"};
    const char* captions[] = {"|<", "<<", "<", ">", ">>", ">|"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(child<QPushButton>(names[i])->text(), captions[i]);
        EXPECT_EQ(child<QPushButton>(names[i])->geometry(), dialogRect(255 + 24 * i, 16, 21, 15));
    }
    // Room for 128 and 32 characters outside the Basic Multilingual Plane;
    // the validator counts characters.
    EXPECT_EQ(child<QLineEdit>("questionField")->maxLength(), 256);
    EXPECT_EQ(child<QLineEdit>("answerDField")->maxLength(), 64);
    auto* values = child<QComboBox>("valueList");
    ASSERT_EQ(values->count(), 16);
    EXPECT_EQ(values->itemText(0), "Select...");
    EXPECT_EQ(values->itemText(15), "Difficulty: 1000000");
    EXPECT_EQ(child<QComboBox>("correctAnswerList")->itemText(4), "Correct Ans: D");
    EXPECT_EQ(dialog->pictureArea()->geometry(), QRect(19, 233, 680, 275));
}

TEST_F(EditorDialogTest, OpeningShowsTheLastQuestionWithoutMarkingAChange) {
    EXPECT_EQ(label(), "Question number 5 of 5");
    EXPECT_EQ(child<QLineEdit>("questionField")->text(), "Q5?");
    EXPECT_EQ(child<QComboBox>("correctAnswerList")->currentIndex(), 2);
    EXPECT_FALSE(dialog->editor().modified());
    click("firstQuestion");
    click("tenOn");
    EXPECT_EQ(label(), "Question number 5 of 5");
    click("tenBack");
    click("nextQuestion");
    EXPECT_EQ(label(), "Question number 2 of 5");
    EXPECT_FALSE(dialog->editor().modified());
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(EditorDialogTest, TypingAndChoosingReachTheRecord) {
    auto* field = child<QLineEdit>("answerAField");
    field->clear();
    typeText(field, QString::fromUtf8("Caf\u00e9 \u20ac"));
    const EditorQuestion* record = dialog->editor().currentRecord();
    EXPECT_EQ(record->answers[0], "Caf\xc3\xa9 \xe2\x82\xac");
    EXPECT_TRUE(dialog->editor().modified());
    // Any script is kept; only a control character is left out, and named.
    typeText(field, QString::fromUtf8("\u03a9\U0001F600"));
    EXPECT_EQ(record->answers[0], "Caf\xc3\xa9 \xe2\x82\xac\xce\xa9\xf0\x9f\x98\x80");
    QCoreApplication::processEvents();
    EXPECT_TRUE(user.messages.empty());
    field->insert(QString(QChar(7))); // as a paste would bring it
    EXPECT_EQ(record->answers[0], "Caf\xc3\xa9 \xe2\x82\xac\xce\xa9\xf0\x9f\x98\x80");
    QCoreApplication::processEvents();
    ASSERT_EQ(user.titles(), std::vector<std::string>{"Characters Left Out"});
    EXPECT_EQ(user.messages[0].text, "These characters cannot be stored in a question set and "
                                     "were left out: U+0007");
    user.messages.clear();
    child<QComboBox>("valueList")->setCurrentIndex(15);
    child<QComboBox>("correctAnswerList")->setCurrentIndex(4);
    EXPECT_EQ(record->value, 15);
    EXPECT_EQ(record->correctAnswer, 4);
    field->setText(QString(40, 'x'));
    EXPECT_EQ(record->answers[0].size(), 32u);
    // The limit counts characters: 32 Greek letters are 64 bytes, and a
    // letter outside the Basic Multilingual Plane is one character.
    field->clear();
    typeText(field, QString(31, QChar(0x03b1)) + QString::fromUtf8("\U0001F600\U0001F600"));
    EXPECT_EQ(codePointCount(record->answers[0]), 32u);
    EXPECT_EQ(record->answers[0].substr(62), "\xf0\x9f\x98\x80");
}

TEST_F(EditorDialogTest, ButtonsReachTheEditorAndBoxesTheDouble) {
    child<QLineEdit>("answerDField")->clear();
    click("previousQuestion");
    click("newQuestion");
    EXPECT_EQ(user.titles(),
              (std::vector<std::string>{"Incomplete Question", "Incomplete Question"}));
    EXPECT_EQ(label(), "Question number 5 of 5");
    QTest::keyClicks(child<QLineEdit>("answerDField"), "d");
    click("newQuestion");
    EXPECT_EQ(label(), "Question number 6 of 6");
    EXPECT_TRUE(child<QLineEdit>("questionField")->text().isEmpty());
    EXPECT_EQ(child<QComboBox>("valueList")->currentIndex(), 0);
    click("deleteQuestion");
    EXPECT_EQ(label(), "Question number 5 of 5");
    EXPECT_EQ(dialog->editor().questionCount(), 5);
    user.messages.clear();
    click("questionStats");
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Question Statistics");
    EXPECT_NE(user.messages[0].text.find("100 value questions:5\n"), std::string::npos);
    click("save");
    EXPECT_FALSE(dialog->editor().modified());
    EXPECT_EQ(readFile(setsFolder / "Five" / "Five.txt").substr(0, 3), "5\r\n");
}

TEST_F(EditorDialogTest, ReturnDoesNothingAndEscapeActsAsExit) {
    QTest::keyClicks(child<QLineEdit>("questionField"), "x");
    QTest::keyClick(child<QLineEdit>("questionField"), Qt::Key_Return);
    QTest::keyClick(dialog.get(), Qt::Key_Enter);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->editor().questionCount(), 5);

    user.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel, MessageAnswer::No};
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    dialog->close(); // the close box
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(user.titles(), (std::vector<std::string>{"Unsaved Changes", "Unsaved Changes"}));
    click("exit");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(profile.values["Previous Question Set/Name"], "Five");
}

TEST_F(EditorDialogTest, DeletingEveryQuestionDisablesDelete) {
    for (int i = 0; i < 5; ++i) {
        click("deleteQuestion");
    }
    EXPECT_FALSE(child<QPushButton>("deleteQuestion")->isEnabled());
    QTest::keyClicks(child<QLineEdit>("questionField"), "stray");
    click("newQuestion");
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(label(), "Question number 1 of 1");
    EXPECT_TRUE(child<QPushButton>("deleteQuestion")->isEnabled());
}

TEST(NewSetDialogTest, ARefusedNameKeepsTheDialogOpen) {
    std::vector<std::string> offered;
    NewSetDialog dialog([&](const std::string& name) {
        offered.push_back(name);
        return !name.empty();
    });
    EXPECT_EQ(dialog.windowTitle(), "New Set of Questions");
    EXPECT_EQ(dialog.size(), dialogRect(0, 0, 296, 76).size());
    EXPECT_EQ(dialog.nameField()->maxLength(), 64); // 32 characters, counted by its validator
    EXPECT_TRUE(dialog.okButton()->isDefault());
    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClicks(dialog.nameField(), "Quiz Night");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.name(), "Quiz Night");
    EXPECT_EQ(offered, (std::vector<std::string>{"", "Quiz Night"}));

    // A name in any script, 32 characters at most, reaches the editor in UTF-8.
    NewSetDialog greek([](const std::string&) { return true; });
    greek.show();
    typeText(greek.nameField(),
             QString::fromUtf8("\u0391\u03b8\u03ae\u03bd\u03b1 ") + QString(40, QChar(0x0436)));
    QTest::mouseClick(greek.okButton(), Qt::LeftButton);
    EXPECT_EQ(greek.name().substr(0, 11), "\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1 ");
    EXPECT_EQ(codePointCount(greek.name()), 32u);
}

TEST(QtEditorUserTest, BoxesCarryTheirTextTitleIconAndButtons) {
    auto box = QtEditorUser::makeMessageBox(
        Message{"Save error. Please check disc space and file write privileges",
                "Question Set Not Saved", MessageIcon::Warning, MessageButtons::Ok},
        nullptr);
    EXPECT_EQ(box->text(), "Save error. Please check disc space and file write privileges");
    EXPECT_EQ(box->windowTitle(), "Question Set Not Saved");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

    auto ask = QtEditorUser::makeMessageBox(
        Message{"You have unsaved changes. Would you like to save them?", "Unsaved Changes",
                MessageIcon::Question, MessageButtons::YesNoCancel},
        nullptr);
    EXPECT_EQ(ask->icon(), QMessageBox::Question);
    EXPECT_EQ(ask->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(QtEditorUser::answerOf(QMessageBox::No, MessageButtons::YesNoCancel),
              MessageAnswer::No);
    EXPECT_EQ(QtEditorUser::answerOf(QMessageBox::NoButton, MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(QtEditorUser::answerOf(QMessageBox::NoButton, MessageButtons::Ok), MessageAnswer::Ok);
}

TEST(FieldTextValidatorTest, MendsWhatASetFileCannotHoldAndNamesWhatItLeftOut) {
    FieldTextValidator validator;
    QStringList named;
    validator.setLeftOutHandler([&](const QString& characters) { named.append(characters); });
    int position = 0;
    QString good = QString::fromUtf8("Na\u00efve \u20ac\u2122 \u00ff");
    EXPECT_EQ(validator.validate(good, position), QValidator::Acceptable);
    EXPECT_EQ(good, QString::fromUtf8("Na\u00efve \u20ac\u2122 \u00ff"));
    struct Case {
        const char* text;
        int cursor;
        const char* mended;
        int mendedCursor;
    };
    const Case cases[] = {
        {"cell\r\n", 6, "cell", 4},                 // a spreadsheet cell
        {"Pre cell\n post", 9, "Pre cell post", 8}, // pasted in the middle
        {"two\nlines\r\n", 12, "two lines", 9},     // inner break, final break
        {"tab\there", 8, "tab here", 8},
        {"bell\x07\u0081", 6, "bell", 4},
        {"\u03a9mega \U0001F600!", 9, "\u03a9mega \U0001F600!", 9},
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf8(c.text);
        int cursor = c.cursor;
        EXPECT_EQ(validator.validate(text, cursor), QValidator::Acceptable) << c.text;
        EXPECT_EQ(text, QString::fromUtf8(c.mended)) << c.text;
        EXPECT_EQ(cursor, c.mendedCursor) << c.text;
    }
    // Past ten characters, the end of what was pasted goes; the cursor
    // counts UTF-16 units, the limit characters.
    FieldTextValidator ten(nullptr, 10);
    QString greek = QString::fromUtf8("\u0391\u03b8\U0001F600\u03bd\u03b1 abcdef");
    int cursor = 13;
    ten.validate(greek, cursor);
    EXPECT_EQ(greek, QString::fromUtf8("\u0391\u03b8\U0001F600\u03bd\u03b1 abcd"));
    EXPECT_EQ(cursor, 11);
    QCoreApplication::processEvents();
    EXPECT_EQ(named, QStringList{QString::fromUtf8("U+0007 U+0081")});
    EXPECT_EQ(utf8OfField(good), "Na\xc3\xafve \xe2\x82\xac\xe2\x84\xa2 \xc3\xbf");
    EXPECT_EQ(fieldOfUtf8("Na\xc3\xafve \xe2\x82\xac\xe2\x84\xa2 \xc3\xbf"), good);
    // A lone surrogate cannot be stored in UTF-8.
    EXPECT_EQ(utf8OfField(QString(QChar(0xD800))), "\xef\xbf\xbd");
}

} // namespace
} // namespace qv::test
