// SPDX-License-Identifier: MIT
// The dialog over the editor, driven as a user would, with every message box
// answered by the recording double.

#include "editor/ui/EditorDialog.h"
#include "common/Utf16.h"
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

// Every text a control shows fits it: the layouts size the window from its
// contents, whatever the font.
void expectNoTextCut(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 6)
                << button->text().toStdString();
        }
    }
    for (QComboBox* list : window.findChildren<QComboBox*>()) {
        EXPECT_GE(list->width(), list->sizeHint().width()) << list->objectName().toStdString();
    }
}

TEST_F(EditorDialogTest, ControlsKeepTheirArrangementAndNoTextIsCut) {
    EXPECT_EQ(dialog->windowTitle(), "Five - Quizvale Setwright");
    auto left = [this](const char* name) {
        return child<QWidget>(name)->mapTo(dialog.get(), QPoint(0, 0)).x();
    };
    auto top = [this](const char* name) {
        return child<QWidget>(name)->mapTo(dialog.get(), QPoint(0, 0)).y();
    };
    // The navigation row from left to right, above the question.
    const char* row[] = {"questionLabel", "newQuestion",      "firstQuestion",
                         "tenBack",       "previousQuestion", "nextQuestion",
                         "tenOn",         "lastQuestion",     "deleteQuestion"};
    for (std::size_t i = 1; i < std::size(row); ++i) {
        EXPECT_LT(left(row[i - 1]), left(row[i])) << row[i];
        EXPECT_LT(top(row[i]), top("questionField"));
    }
    const char* names[] = {"firstQuestion", "tenBack", "previousQuestion",
                           "nextQuestion",  "tenOn",   "lastQuestion"};
    const char* captions[] = {"|<", "<<", "<", ">", ">>", ">|"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(child<QPushButton>(names[i])->text(), captions[i]);
    }
    // Answers A and C on the left, B and D on the right; the lists and the
    // picture buttons beyond them; the picture below; the set's buttons last.
    EXPECT_EQ(left("answerAField"), left("answerCField"));
    EXPECT_EQ(left("answerBField"), left("answerDField"));
    EXPECT_LT(left("answerAField"), left("answerBField"));
    EXPECT_LT(top("questionField"), top("answerAField"));
    EXPECT_LT(top("answerAField"), top("answerCField"));
    EXPECT_LT(left("answerBField"), left("correctAnswerList"));
    EXPECT_LT(top("correctAnswerList"), top("valueList"));
    EXPECT_LT(left("valueList"), left("addPicture"));
    EXPECT_LT(top("addPicture"), top("removePicture"));
    EXPECT_LT(top("removePicture"), top("pictureArea"));
    EXPECT_EQ(dialog->pictureArea()->size(), QSize(680, 275));
    EXPECT_LT(top("pictureArea"), top("save"));
    EXPECT_LT(left("newQuestionSet"), left("questionStats"));
    EXPECT_LT(left("questionStats"), left("save"));
    EXPECT_LT(left("save"), left("exit"));

    // Room for 128 and 32 characters outside the Basic Multilingual Plane;
    // the validator counts characters.
    EXPECT_EQ(child<QLineEdit>("questionField")->maxLength(), 256);
    EXPECT_EQ(child<QLineEdit>("answerDField")->maxLength(), 64);
    auto* values = child<QComboBox>("valueList");
    ASSERT_EQ(values->count(), 16);
    EXPECT_EQ(values->itemText(0), "Select...");
    EXPECT_EQ(values->itemText(15), "Difficulty: 1000000");
    EXPECT_EQ(child<QComboBox>("correctAnswerList")->itemText(4), "Correct Ans: D");
    expectNoTextCut(*dialog);

    // A font twice as large, and texts 40% longer, still fit.
    QFont large = QApplication::font();
    large.setPointSizeF(large.pointSizeF() * 2);
    QApplication::setFont(large);
    EditorDialog bigger(user, pictures, profile, setsFolder);
    ASSERT_TRUE(bigger.startUp());
    for (QPushButton* button : bigger.findChildren<QPushButton*>()) {
        button->setText(button->text() +
                        QString(static_cast<int>(button->text().size()) * 2 / 5, QLatin1Char('x')));
    }
    bigger.show();
    QApplication::processEvents();
    QApplication::setFont(QFont());
    expectNoTextCut(bigger);
    EXPECT_GT(bigger.width(), dialog->width());
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
    dialog.show();
    expectNoTextCut(dialog);
    EXPECT_GE(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 100);
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
