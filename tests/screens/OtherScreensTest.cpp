// SPDX-License-Identifier: MIT
// The settings and game-over screens on the stand-in game.

#include "ScreenFixture.h"
#include "common/FileIo.h"
#include "game/quiz/ConfigFile.h"
#include "game/screens/GameOverScreen.h"
#include "game/screens/SettingsScreen.h"

namespace qv::test {
namespace {

class SettingsScreenTest : public ScreenFixture {
protected:
    void open() {
        settings = std::make_unique<SettingsScreen>(*this);
        settings->initialise();
        settings->enter();
        frames(*settings, 5);
    }
    std::unique_ptr<SettingsScreen> settings;
};

TEST_F(SettingsScreenTest, SetsAreSteppedFromTheChosenSetEachTimeTheScreenOpens) {
    makeSets({"Alpha", "Default", "Zulu"});
    writeConfig(1, u"Zulu");
    ASSERT_TRUE(quiz().loadConfig());
    open();
    EXPECT_EQ(settings->questionSetText.text(), u"Question Set: Zulu");
    clickOn(*settings, settings->changeSetButton);
    EXPECT_EQ(quiz().questionSetName, u"Alpha");
    EXPECT_EQ(settings->questionSetText.text(), u"Question Set: Alpha");
    clickOn(*settings, settings->changeSetButton);
    EXPECT_EQ(quiz().questionSetName, u"Default");
    // The set left keeps the record of its questions.
    EXPECT_TRUE(std::filesystem::exists(folder / "QStateZulu.bin"));
}

TEST_F(SettingsScreenTest, OneSetShowsNoAlternativesForThreeSeconds) {
    makeSets({"Default"});
    open();
    clickOn(*settings, settings->changeSetButton);
    EXPECT_EQ(settings->questionSetText.text(), u"No alternatives available");
    frames(*settings, 30);
    // A second click starts the three seconds again.
    clickOn(*settings, settings->changeSetButton);
    frames(*settings, 30);
    EXPECT_EQ(settings->questionSetText.text(), u"No alternatives available");
    frames(*settings, 20);
    EXPECT_EQ(settings->questionSetText.text(), u"Question Set: Default");
    EXPECT_FALSE(settings->messageShowing);
}

TEST_F(SettingsScreenTest, SoundOffAndOkSaveTheConfiguration) {
    open();
    EXPECT_FALSE(settings->voiceOffButton.enabled);
    EXPECT_FALSE(settings->voiceText.enabled);
    EXPECT_EQ(settings->effectsText.text(), u"Sound effects ON");
    clickOn(*settings, settings->voiceOffButton);
    EXPECT_TRUE(quiz().voiceOn);
    clickOn(*settings, settings->effectsOffButton);
    EXPECT_FALSE(quiz().soundEffectsOn);
    EXPECT_EQ(settings->effectsText.text(), u"Sound effects OFF");
    EXPECT_FALSE(std::filesystem::exists(quiz().configPath()));

    clickOn(*settings, settings->okButton);
    EXPECT_TRUE(settings->done);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(quiz().configPath(), bytes));
    ConfigData saved;
    ASSERT_TRUE(parseConfig(bytes, saved));
    EXPECT_FALSE(saved.soundEffectsOn);
    EXPECT_TRUE(saved.voiceOn);
}

class GameOverScreenTest : public ScreenFixture {
protected:
    void open(int players) {
        quiz().setPlayerCount(players);
        for (int i = 0; i < players; ++i) {
            quiz().setPlayerName(i, {});
        }
        gameOver = std::make_unique<GameOverScreen>(*this);
        gameOver->initialise();
        gameOver->enter();
        frames(*gameOver, 5);
    }
    std::unique_ptr<GameOverScreen> gameOver;
};

TEST_F(GameOverScreenTest, OneLinePerPlayerCentredOnTheScreen) {
    open(1);
    ASSERT_EQ(gameOver->resultTexts.size(), 1u);
    EXPECT_EQ(gameOver->resultTexts[0]->position, (Vec3{200.0f, 30.0f, 0.8f}));
    EXPECT_EQ(gameOver->resultTexts[0]->text(), u"Player 1 won 0");

    open(3);
    ASSERT_EQ(gameOver->resultTexts.size(), 3u);
    EXPECT_EQ(gameOver->resultTexts[0]->position.y, 20.0f);
    EXPECT_EQ(gameOver->resultTexts[1]->position.y, 35.0f);
    EXPECT_EQ(gameOver->resultTexts[2]->position.y, 50.0f);
    EXPECT_EQ(gameOver->resultTexts[1]->text(), u"Player 2 won 32000");
}

TEST_F(GameOverScreenTest, OkClosesAfterTheCountdownWhichTheQuitQuestionHolds) {
    open(2);
    clickOn(*gameOver, gameOver->okButton);
    ASSERT_TRUE(gameOver->closing);
    quitShown = true;
    frames(*gameOver, 60);
    EXPECT_FALSE(gameOver->done);
    quitShown = false;
    frames(*gameOver, 20);
    EXPECT_FALSE(gameOver->done);
    frames(*gameOver, 15);
    EXPECT_TRUE(gameOver->done);
    EXPECT_EQ(layer().first(), nullptr);
}

} // namespace
} // namespace qv::test
