// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/FileIo.h"
#include "common/SetFile.h"
#include "game/quiz/QuizState.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class QuizStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        resources = fs::temp_directory_path() /
                    ("qv-quiz-" + std::string(::testing::UnitTest::GetInstance()
                                                  ->current_test_info()
                                                  ->name()));
        fs::remove_all(resources);
        fs::create_directories(resources / "QuestionSets");
    }
    void TearDown() override { fs::remove_all(resources); }

    // A set of `count` questions on rungs 1, 2, 3, ... in turn.
    void makeSet(const std::string& name, int count) {
        std::vector<SetFileRecord> records;
        for (int i = 0; i < count; ++i) {
            SetFileRecord r;
            r.text = name + " question " + std::to_string(i);
            r.answers = {"a", "b", "c", "d"};
            r.correctAnswer = 1 + i % 4;
            r.value = 1 + i % 15;
            records.push_back(r);
        }
        fs::create_directories(resources / "QuestionSets" / name);
        ASSERT_TRUE(writeFileAtomically(resources / "QuestionSets" / name / (name + ".txt"),
                                        writeSetFile(records)));
    }

    fs::path resources;
};

TEST_F(QuizStateTest, ListsRealVisibleFoldersInCaseInsensitiveOrder) {
    for (const char* name : {"beta", "Default", "alpha", "Gamma", ".hidden"}) {
        fs::create_directories(resources / "QuestionSets" / name);
    }
    std::ofstream(resources / "QuestionSets" / "file.txt") << "not a set";
    fs::create_directory_symlink(resources / "QuestionSets" / "alpha",
                                 resources / "QuestionSets" / "linked");
    QuizState quiz(resources);
    quiz.findQuestionSets();
    EXPECT_EQ(quiz.questionSetNames,
              (std::vector<std::u16string>{u"alpha", u"beta", u"Default", u"Gamma"}));
    EXPECT_EQ(quiz.questionSetCount, 4);
    EXPECT_EQ(quiz.currentSetIndex, 2);
}

TEST_F(QuizStateTest, StepsThroughSetsFromDefaultWhateverIsCurrent) {
    makeSet("Art", 3);
    makeSet("Default", 5);
    makeSet("Science", 7);
    QuizState quiz(resources);
    quiz.findQuestionSets();
    quiz.questionSetName = u"Science"; // as a configuration naming it leaves it
    ASSERT_TRUE(quiz.loadQuestionSet(quiz.questionSetName));
    // The list position starts at Default, so the first step selects the
    // current set again and the second moves on, wrapping round.
    ASSERT_TRUE(quiz.nextQuestionSet());
    EXPECT_EQ(quiz.questionSetName, u"Science");
    EXPECT_EQ(quiz.bank.questionCount(), 7);
    ASSERT_TRUE(quiz.nextQuestionSet());
    EXPECT_EQ(quiz.questionSetName, u"Art");
    EXPECT_EQ(quiz.bank.questionCount(), 3);
    ASSERT_TRUE(quiz.nextQuestionSet());
    EXPECT_EQ(quiz.questionSetName, u"Default");
}

TEST_F(QuizStateTest, OneSetOrNoneCannotStep) {
    QuizState none(resources / "missing");
    none.findQuestionSets();
    EXPECT_EQ(none.questionSetCount, 0);
    EXPECT_FALSE(none.nextQuestionSet());
    makeSet("Default", 2);
    QuizState one(resources);
    one.findQuestionSets();
    EXPECT_FALSE(one.nextQuestionSet());
    EXPECT_EQ(one.questionSetName, u"Default");
}

TEST_F(QuizStateTest, MissingSetKeepsTheBank) {
    makeSet("Default", 4);
    QuizState quiz(resources);
    ASSERT_TRUE(quiz.loadQuestionSet(u"Default"));
    EXPECT_FALSE(quiz.loadQuestionSet(u"Nowhere"));
    EXPECT_FALSE(quiz.loadQuestionSet(u"../QuestionSets/Default"));
    EXPECT_EQ(quiz.bank.questionCount(), 4);
}

TEST_F(QuizStateTest, PlayStateSurvivesARunAndAppliesToTheRightSet) {
    makeSet("Default", 30);
    QuizState first(resources);
    ASSERT_TRUE(first.loadQuestionSet(u"Default"));
    EXPECT_FALSE(first.loadPlayState());
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i) {
        drawn.push_back(first.drawQuestion(0)->number);
    }
    ASSERT_TRUE(first.savePlayState());
    EXPECT_TRUE(fs::exists(resources / "QStateDefault.bin"));
    EXPECT_EQ(fs::file_size(resources / "QStateDefault.bin"), 34u);

    QuizState second(resources);
    ASSERT_TRUE(second.loadQuestionSet(u"Default"));
    ASSERT_TRUE(second.loadPlayState());
    for (const Question& q : second.bank.questions()) {
        bool wasDrawn = std::find(drawn.begin(), drawn.end(), q.number) != drawn.end();
        EXPECT_EQ(q.used, wasDrawn) << q.number;
    }
}

TEST_F(QuizStateTest, ConfigurationRoundTripsThroughTheFile) {
    makeSet("Default", 1);
    QuizState quiz(resources);
    int counted = 0;
    quiz.onPlayerCountChanged = [&](int count) { counted = count; };
    quiz.setPlayerCount(3);
    EXPECT_EQ(counted, 3);
    quiz.setPlayerName(0, u"Ann");
    quiz.setPlayerName(1, u"");
    quiz.setPlayerName(5, u"Nobody"); // beyond the count: ignored
    EXPECT_EQ(quiz.playerNames[1], u"Player 2");
    EXPECT_TRUE(quiz.playerNames[5].empty());
    quiz.soundEffectsOn = false;
    ASSERT_TRUE(quiz.saveConfig());

    QuizState again(resources);
    ASSERT_TRUE(again.loadConfig());
    EXPECT_FALSE(again.soundEffectsOn);
    EXPECT_EQ(again.playerCount, 3);
    EXPECT_EQ(again.playerNames[0], u"Ann");
    EXPECT_EQ(again.playerNames[2], u"Player 3");

    // A stored empty name comes back as the default one.
    ConfigData raw;
    raw.playerCount = 2;
    raw.playerNames = {u"Zed", u""};
    ASSERT_TRUE(writeFileAtomically(again.configPath(), serializeConfig(raw)));
    ASSERT_TRUE(again.loadConfig());
    EXPECT_EQ(again.playerNames[1], u"Player 2");
}

TEST_F(QuizStateTest, UnreadableConfigurationChangesNothing) {
    QuizState quiz(resources);
    EXPECT_FALSE(quiz.loadConfig());
    ASSERT_TRUE(writeFileAtomically(quiz.configPath(), std::string("\x01\x01\xFF\xFF", 4)));
    EXPECT_FALSE(quiz.loadConfig());
    EXPECT_EQ(quiz.questionSetName, u"Default");
    EXPECT_EQ(quiz.playerCount, 1);
    EXPECT_TRUE(quiz.soundEffectsOn);
}

TEST_F(QuizStateTest, FailedSavesReportFailureAndKeepTheOldFiles) {
    QuizState quiz(resources / "gone");
    EXPECT_FALSE(quiz.saveConfig());
    EXPECT_FALSE(quiz.savePlayState());
    // A folder standing where the configuration file should be.
    QuizState blocked(resources);
    fs::create_directory(blocked.configPath());
    EXPECT_FALSE(blocked.saveConfig());
    EXPECT_TRUE(fs::is_directory(blocked.configPath()));
}

} // namespace
} // namespace qv
