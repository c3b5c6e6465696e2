// SPDX-License-Identifier: MIT
// Showing, editing, navigating, adding and deleting questions.

#include "tests/editor/EditorFixture.h"

namespace qv::test {
namespace {

using Navigation = qv::Navigation;

class NavigationTest : public EditorFixture {};

TEST_F(NavigationTest, OpeningASetShowsItsLastQuestion) {
    openSet("Twelve", setFileOf(12));
    EXPECT_EQ(editor.questionCount(), 12);
    EXPECT_EQ(editor.currentIndex(), 11);
    EXPECT_EQ(view.label, "Question number 12 of 12");
    EXPECT_EQ(view.shown.text, "Q12?");
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(view.deleteEnabled);
}

TEST_F(NavigationTest, ButtonsMoveWithinTheSet) {
    openSet("Twelve", setFileOf(12));
    struct Case {
        int from;
        Navigation to;
        int expected;
    };
    const Case cases[] = {
        {4, Navigation::TenOn, 11},   {2, Navigation::TenBack, 0},  {0, Navigation::TenOn, 10},
        {11, Navigation::TenBack, 1}, {5, Navigation::Next, 6},     {11, Navigation::Next, 11},
        {0, Navigation::Previous, 0}, {5, Navigation::Previous, 4}, {5, Navigation::First, 0},
        {5, Navigation::Last, 11},
    };
    for (const Case& c : cases) {
        editor.setCurrentIndex(c.from);
        editor.showQuestion();
        editor.navigate(c.to);
        EXPECT_EQ(editor.currentIndex(), c.expected) << "from " << c.from;
        EXPECT_EQ(view.label, "Question number " + std::to_string(c.expected + 1) + " of 12");
        EXPECT_EQ(editor.currentRecord()->number, c.expected);
    }
    EXPECT_EQ(user.titles(), std::vector<std::string>{});
    EXPECT_FALSE(editor.modified());
}

TEST_F(NavigationTest, AnIncompleteQuestionBlocksEveryMove) {
    openSet("Five", setFileOf(5));
    editor.setCurrentIndex(2);
    editor.showQuestion();
    clearAnswerD();
    for (Navigation to : {Navigation::First, Navigation::TenBack, Navigation::Previous,
                          Navigation::Next, Navigation::TenOn, Navigation::Last}) {
        editor.navigate(to);
    }
    editor.newQuestion();
    ASSERT_EQ(user.messages.size(), 7u);
    for (std::size_t i = 0; i < user.messages.size(); ++i) {
        const Message& m = user.messages[i];
        // A move and a new question say what was being done, and both name
        // what is missing.
        EXPECT_EQ(m.text, std::string(i < 6 ? "The current question is incomplete. Please finish "
                                              "before moving to another question"
                                            : "The current question is incomplete. Please finish "
                                              "before creating a new one") +
                              "\n\nMissing: the answer D.");
        EXPECT_EQ(m.title, "Incomplete Question");
        EXPECT_EQ(m.icon, MessageIcon::Information);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(editor.currentIndex(), 2);
    EXPECT_EQ(editor.questionCount(), 5);
}

TEST_F(NavigationTest, EachMissingPartMakesAQuestionIncomplete) {
    openSet("One", setFileOf(1));
    const QuestionFields complete = editor.fields();
    std::vector<QuestionFields> broken(7, complete);
    broken[0].text.clear();
    broken[1].answers[0].clear();
    broken[2].correctAnswer = 0;
    broken[3].correctAnswer = 5;
    broken[4].value = 0;
    broken[5].value = 16;
    broken[6].answers[2].clear();
    for (const QuestionFields& fields : broken) {
        editor.storeFields(fields);
        EXPECT_TRUE(editor.isIncomplete());
    }
    editor.storeFields(complete);
    EXPECT_FALSE(editor.isIncomplete());
}

TEST_F(NavigationTest, AStoredValueOutsideTheListIsIncompleteAndKept) {
    std::string bytes = "1\r\n\r\nq\r\na\r\nb\r\nc\r\nd\r\n1\r\n20\r\n0\r\n";
    openSet("Odd", bytes);
    EXPECT_EQ(view.shown.value, 20);
    EXPECT_TRUE(editor.isIncomplete());
    // The list shows nothing selected, which the dialog reports as -1: the
    // code the record had stays until an entry is chosen.
    QuestionFields fields = editor.fields();
    fields.text = "q2";
    fields.value = -1;
    editor.storeFields(fields);
    EXPECT_EQ(editor.currentRecord()->value, 20);
    fields.value = 3;
    editor.storeFields(fields);
    EXPECT_EQ(editor.currentRecord()->value, 3);
    EXPECT_FALSE(editor.isIncomplete());
}

TEST_F(NavigationTest, ShowingIsNotAnEditButTypingIs) {
    openSet("Five", setFileOf(5));
    editor.navigate(Navigation::First);
    editor.navigate(Navigation::Next);
    EXPECT_FALSE(editor.modified());
    typeQuestion("Q2?x");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.questions().find(1)->text, "Q2?x");
    EXPECT_EQ(editor.questions().find(0)->text, "Q1?");
}

TEST_F(NavigationTest, NewQuestionIsAlwaysAppended) {
    openSet("Five", setFileOf(5));
    editor.setCurrentIndex(1);
    editor.showQuestion();
    editor.newQuestion();
    EXPECT_EQ(editor.questionCount(), 6);
    EXPECT_EQ(editor.currentIndex(), 5);
    EXPECT_EQ(view.label, "Question number 6 of 6");
    EXPECT_EQ(view.shown.text, "");
    EXPECT_EQ(view.shown.correctAnswer, 0);
    EXPECT_EQ(view.shown.value, 0);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.currentRecord()->number, 5);
}

TEST_F(NavigationTest, DeletingShowsTheFollowingQuestionUnderTheSameNumber) {
    openSet("Five", setFileOf(5));
    editor.setCurrentIndex(2);
    editor.showQuestion();
    editor.deleteQuestion();
    EXPECT_EQ(editor.questionCount(), 4);
    EXPECT_EQ(view.label, "Question number 3 of 4");
    EXPECT_EQ(view.shown.text, "Q4?");
    EXPECT_TRUE(editor.modified());
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(editor.questions().find(i), nullptr);
        EXPECT_EQ(editor.questions().find(i)->number, i);
    }
    editor.navigate(Navigation::Last);
    editor.deleteQuestion();
    EXPECT_EQ(view.label, "Question number 3 of 3");
    EXPECT_EQ(view.shown.text, "Q4?");
    EXPECT_EQ(editor.questionCount(), 3);
}

TEST_F(NavigationTest, DeletingTheLastQuestionLeavesNothingToEdit) {
    openSet("One", setFileOf(1));
    editor.deleteQuestion();
    EXPECT_EQ(editor.questionCount(), 0);
    EXPECT_EQ(editor.currentRecord(), nullptr);
    EXPECT_FALSE(view.deleteEnabled);
    // Edits in the fields go nowhere; the fields of the deleted question do
    // not block a new one.
    clearAnswerD();
    typeQuestion("stray");
    editor.deleteQuestion();
    editor.newQuestion();
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(editor.questionCount(), 1);
    EXPECT_EQ(editor.currentRecord()->text, "");
    EXPECT_EQ(view.label, "Question number 1 of 1");
    EXPECT_TRUE(view.deleteEnabled);
}

TEST_F(NavigationTest, AnEmptySetShowsNothingUntilAQuestionIsAdded) {
    openSet("Empty", "0\r\n");
    EXPECT_EQ(editor.questionCount(), 0);
    EXPECT_EQ(view.label, "No questions");
    EXPECT_FALSE(view.deleteEnabled);
    EXPECT_FALSE(view.questionEnabled);
    editor.navigate(Navigation::Next);
    editor.newQuestion();
    EXPECT_EQ(view.label, "Question number 1 of 1");
    EXPECT_TRUE(view.questionEnabled);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(readFile(setFile("Empty")), "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n");
}

TEST_F(NavigationTest, StatisticsCountValueCodesFromMemory) {
    std::string bytes = "4\r\n"
                        "\r\na\r\n\r\n\r\n\r\n\r\n0\r\n1\r\n0\r\n"
                        "\r\nb\r\n\r\n\r\n\r\n\r\n0\r\n15\r\n0\r\n"
                        "\r\nc\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n"
                        "\r\nd\r\n\r\n\r\n\r\n\r\n0\r\n1\r\n0\r\n";
    openSet("Stats", bytes);
    editor.showStatistics();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Question Statistics");
    EXPECT_EQ(user.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(user.messages[0].text,
              "100 value questions:2\n200 value questions:0\n300 value questions:0\n"
              "500 value questions:0\n1000 value questions:0\n2000 value questions:0\n"
              "4000 value questions:0\n8000 value questions:0\n16000 value questions:0\n"
              "32000 value questions:0\n64000 value questions:0\n125000 value questions:0\n"
              "250000 value questions:0\n500000 value questions:0\n"
              "1000000 value questions:1                \n\nTotal:3");
    // Unsaved changes count too.
    QuestionFields fields = editor.fields();
    fields.value = 15;
    editor.storeFields(fields);
    editor.showStatistics();
    EXPECT_NE(user.messages[1].text.find("100 value questions:1\n"), std::string::npos);
    EXPECT_NE(user.messages[1].text.find("1000000 value questions:2 "), std::string::npos);
    EXPECT_NE(user.messages[1].text.find("Total:3"), std::string::npos);
}

} // namespace
} // namespace qv::test
