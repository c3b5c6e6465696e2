// SPDX-License-Identifier: MIT
// The editor window from the keyboard: shortcuts also from inside a text
// field, where the cursor goes, the tab order, the wheel over a list, and
// pasting; Open Question Set through its dialog.

#include "editor/model/FilePictureHook.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/OpenSetDialog.h"
#include "tests/editor/EditorDoubles.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class EditorKeyboardTest : public ::testing::Test {
protected:
    EditorKeyboardTest() {
        setsFolder = program.path() / "Resources" / "QuestionSets";
        writeFile(setsFolder / "Twelve" / "Twelve.txt", setFileOf(12));
        writeFile(setsFolder / "Other" / "Other.txt", setFileOf(3));
        profile.values["Previous Question Set/Name"] = "Twelve";
        dialog = std::make_unique<EditorDialog>(user, pictures, profile, setsFolder);
        EXPECT_TRUE(dialog->startUp());
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <typename T> T* child(const char* name) {
        T* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* question() { return child<QLineEdit>("questionField"); }
    QString label() { return child<QLabel>("questionLabel")->text(); }
    // A key pressed where the keyboard focus is, as a user would.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : dialog.get(), static_cast<Qt::Key>(key),
                        modifiers);
    }

    TempFolder program;
    std::filesystem::path setsFolder;
    RecordingUser user;
    FilePictureHook pictures;
    MemoryProfile profile;
    std::unique_ptr<EditorDialog> dialog;
};

TEST_F(EditorKeyboardTest, KeysMoveAndEditFromInsideTheQuestionField) {
    EXPECT_EQ(QApplication::focusWidget(), question()); // ready for typing at once
    EXPECT_EQ(label(), "Question number 12 of 12");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct Move {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* label;
    };
    const Move moves[] = {
        {Qt::Key_Home, ctrl, "Question number 1 of 12"},
        {Qt::Key_PageDown, Qt::NoModifier, "Question number 2 of 12"},
        {Qt::Key_PageDown, ctrl, "Question number 12 of 12"},
        {Qt::Key_PageUp, ctrl, "Question number 2 of 12"},
        {Qt::Key_PageUp, Qt::NoModifier, "Question number 1 of 12"},
        {Qt::Key_End, ctrl, "Question number 12 of 12"},
    };
    for (const Move& move : moves) {
        press(move.key, move.modifiers);
        EXPECT_EQ(label(), move.label);
        EXPECT_EQ(QApplication::focusWidget(), question()) << move.label;
    }

    // Typing, then Ctrl+Z in the field: the set's history undoes it, and the
    // caption follows.
    QTest::keyClicks(question(), " more");
    EXPECT_EQ(dialog->windowTitle(), "Twelve* - Quizvale Setwright");
    press(Qt::Key_Z, ctrl);
    EXPECT_EQ(question()->text(), "Q12?");
    EXPECT_EQ(dialog->windowTitle(), "Twelve - Quizvale Setwright");
    press(Qt::Key_Y, ctrl);
    EXPECT_EQ(question()->text(), "Q12? more");
    press(Qt::Key_Z, ctrlShift); // nothing left to redo
    EXPECT_EQ(question()->text(), "Q12? more");

    press(Qt::Key_Up, ctrlShift);
    EXPECT_EQ(label(), "Question number 11 of 12");
    EXPECT_EQ(question()->text(), "Q12? more");
    press(Qt::Key_Delete, ctrlShift);
    EXPECT_EQ(label(), "Question number 11 of 11");
    press(Qt::Key_N, ctrl);
    EXPECT_EQ(label(), "Question number 12 of 12");
    press(Qt::Key_S, ctrl);
    EXPECT_EQ(readFile(setsFolder / "Twelve" / "Twelve.txt").substr(0, 4), "12\r\n");
    EXPECT_EQ(dialog->windowTitle(), "Twelve - Quizvale Setwright");

    // Keys a field edits with stay the field's.
    press(Qt::Key_Home);
    QTest::keyClicks(question(), "Why");
    press(Qt::Key_Left, ctrl);
    press(Qt::Key_Delete);
    EXPECT_EQ(question()->text(), "hy");
    EXPECT_EQ(label(), "Question number 12 of 12");
}

TEST_F(EditorKeyboardTest, GoToQuestionTakesANumber) {
    dialog->setDialogRunner([](QDialog& d) {
        auto* ask = qobject_cast<QInputDialog*>(&d);
        EXPECT_NE(ask, nullptr);
        if (ask == nullptr) {
            return int(QDialog::Rejected);
        }
        EXPECT_EQ(ask->intMaximum(), 12);
        ask->setIntValue(7);
        return int(QDialog::Accepted);
    });
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(label(), "Question number 7 of 12");
    // An incomplete question still keeps the user on it.
    question()->clear();
    press(Qt::Key_G, Qt::ControlModifier);
    press(Qt::Key_PageDown);
    EXPECT_EQ(label(), "Question number 7 of 12");
    EXPECT_EQ(user.titles(),
              (std::vector<std::string>{"Incomplete Question", "Incomplete Question"}));
}

TEST_F(EditorKeyboardTest, TabRunsThroughTheQuestionThenTheButtons) {
    const char* order[] = {"answerAField",      "answerBField", "answerCField", "answerDField",
                           "correctAnswerList", "valueList",    "newQuestion",  "firstQuestion"};
    for (const char* name : order) {
        press(Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }
}

TEST_F(EditorKeyboardTest, TheWheelChangesAListOnlyWithTheFocus) {
    auto* values = child<QComboBox>("valueList");
    const int before = values->currentIndex();
    auto wheel = [&] {
        const QPointF at(values->width() / 2.0, values->height() / 2.0);
        QWheelEvent event(at, values->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(values, &event);
    };
    wheel();
    EXPECT_EQ(values->currentIndex(), before);
    EXPECT_FALSE(dialog->editor().modified());
    values->setFocus();
    wheel();
    EXPECT_NE(values->currentIndex(), before);
    EXPECT_TRUE(dialog->editor().modified());
}

TEST_F(EditorKeyboardTest, ASpreadsheetCellPastesWithoutItsLineBreak) {
    question()->selectAll();
    QApplication::clipboard()->setText("Which river is longest?\r\n");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(question()->text(), "Which river is longest?");
    auto* answer = child<QLineEdit>("answerAField");
    answer->setFocus();
    answer->selectAll();
    QApplication::clipboard()->setText(
        QString::fromUtf8("\u0141\u00f3d\u017a\nin \u00c9gypt \u2192 north\n"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(answer->text(), QString::fromUtf8("\u0141\u00f3d\u017a in \u00c9gypt \u2192 north"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(user.messages.empty()) << "every character of the paste is kept";
    EXPECT_EQ(dialog->editor().currentRecord()->answers[0],
              "\xc5\x81\xc3\xb3"
              "d\xc5\xba in \xc3\x89gypt \xe2\x86\x92 north");
}

TEST_F(EditorKeyboardTest, OpenQuestionSetListsTheSetsAndOpensTheOneChosen) {
    QStringList shown;
    dialog->setDialogRunner([&](QDialog& d) {
        auto* chooser = qobject_cast<OpenSetDialog*>(&d);
        EXPECT_NE(chooser, nullptr);
        if (chooser == nullptr) {
            return int(QDialog::Rejected);
        }
        for (int i = 0; i < chooser->list()->count(); ++i) {
            shown.append(chooser->list()->item(i)->text());
        }
        EXPECT_EQ(chooser->chosen(), "Twelve"); // the open set is selected
        chooser->list()->setCurrentRow(0);
        return int(QDialog::Accepted);
    });
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shown, (QStringList{"Other  (3 questions)", "Twelve  (12 questions)"}));
    EXPECT_EQ(dialog->windowTitle(), "Other - Quizvale Setwright");
    EXPECT_EQ(label(), "Question number 3 of 3");
    EXPECT_EQ(QApplication::focusWidget(), question());
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

// The lists from the keyboard: a run of Down presses is one step of Undo,
// typed entries pick an answer or a prize, and a pause starts a new entry.
TEST_F(EditorKeyboardTest, ListsTakeArrowRunsAndTypedEntriesAsSingleSteps) {
    auto* values = child<QComboBox>("valueList");
    auto* correct = child<QComboBox>("correctAnswerList");
    const int start = values->currentIndex();
    const int startAnswer = correct->currentIndex();
    values->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(values->currentIndex(), start + 3);
    correct->setFocus();
    QTest::keyClicks(correct, "c");
    EXPECT_EQ(correct->currentIndex(), 3);
    values->setFocus();
    QTest::keyClicks(values, "1000000");
    EXPECT_EQ(values->currentIndex(), 15);
    EXPECT_EQ(dialog->editor().currentRecord()->value, 15);

    dialog->editor().undo();
    EXPECT_EQ(values->currentIndex(), start + 3);
    dialog->editor().undo();
    EXPECT_EQ(correct->currentIndex(), startAnswer);
    dialog->editor().undo();
    EXPECT_EQ(values->currentIndex(), start);
    EXPECT_FALSE(dialog->editor().modified());

    // After a pause, "7" is a rung of its own, not the end of "1000000".
    QTest::keyClicks(values, "1");
    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    QTest::keyClicks(values, "7");
    EXPECT_EQ(values->currentIndex(), 7);
}

// With no question there is nothing to type into, and Ctrl+N brings one.
TEST_F(EditorKeyboardTest, ASetWithoutQuestionsTakesNoKeysUntilCtrlN) {
    for (int i = 0; i < 12; ++i) {
        press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(label(), "No questions");
    EXPECT_FALSE(question()->isEnabled());
    EXPECT_FALSE(child<QComboBox>("valueList")->isEnabled());
    QTest::keyClicks(QApplication::focusWidget(), "Typed text");
    EXPECT_EQ(dialog->editor().questionCount(), 0);
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(label(), "Question number 1 of 1");
    EXPECT_EQ(QApplication::focusWidget(), question());
    QTest::keyClicks(question(), "Typed text");
    EXPECT_EQ(dialog->editor().currentRecord()->text, "Typed text");
}

} // namespace
} // namespace qv::test
