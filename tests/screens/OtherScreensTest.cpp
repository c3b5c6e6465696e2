// SPDX-License-Identifier: MIT
// The settings and game-over screens on the stand-in game.

#include "ScreenFixture.h"
#include "common/FileIo.h"
#include "common/Translate.h"
#include "common/Utf16.h"
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

// Every word on the screen's pictures is drawn at run time: the heading, the
// captions and each button's label, all inside their places in English.
TEST_F(SettingsScreenTest, TheWordsOnThePlatesAreDrawnAndFit) {
    open();
    ASSERT_EQ(settings->settingsArt.labelCount(), 3u);
    EXPECT_EQ(settings->settingsArt.label(0).text(), u"SETTINGS");
    EXPECT_EQ(settings->settingsArt.label(2).text(), u"QUESTIONS");
    EXPECT_EQ(settings->effectsOffButton.label(0).text(), u"OFF");
    EXPECT_EQ(settings->phonesOnButton.label(0).text(), u"ON");
    EXPECT_EQ(settings->changeSetButton.label(0).text(), u"CHANGE SET");
    EXPECT_EQ(settings->okButton.label(0).text(), u"OK");
    for (Sprite* picture :
         {&settings->settingsArt, &settings->effectsOffButton, &settings->effectsOnButton,
          &settings->changeSetButton, &settings->languageButton, &settings->okButton}) {
        for (std::size_t i = 0; i < picture->labelCount(); ++i) {
            SpriteLabel& label = picture->label(i);
            EXPECT_TRUE(label.fits()) << picture->imagePath() << " " << i;
            EXPECT_FLOAT_EQ(label.squeeze(), 1.0f) << picture->imagePath() << " " << i;
        }
    }
    // Too long for one line, a label wraps to two in the smaller face where
    // the plate holds them, and still fits.
    SpriteLabel& label = settings->changeSetButton.label(0);
    label.setText(u"A LABEL TOO LONG FOR ONE LINE");
    EXPECT_TRUE(label.fits());
    EXPECT_LT(label.squeeze(), 1.0f);
    EXPECT_GE(label.squeeze(), TextDrawable::fitSqueeze);
    // Far too long, it is squeezed into the plate and says it does not fit.
    label.setText(u"A LABEL MUCH TOO LONG FOR ITS PLATE EVEN ON TWO LINES OF IT");
    frames(*settings, 1);
    EXPECT_FALSE(label.fits());
    EXPECT_LT(label.squeeze(), TextDrawable::fitSqueeze);
    EXPECT_LE(label.drawnWidth(), label.roomWidth() + 0.5f);
    // A little too long, it only shrinks, and still fits.
    label.setText(u"CHANGE THE SET");
    EXPECT_TRUE(label.fits());
    EXPECT_GE(label.squeeze(), TextDrawable::fitSqueeze);
}

TEST_F(SettingsScreenTest, TheLanguageButtonStepsThroughTheLanguagesAtOnce) {
    languageCodes = {"", "de", "ru"};
    open();
    EXPECT_EQ(settings->languageText.text().rfind(u"System (", 0), 0u)
        << std::string(settings->languageText.text().begin(), settings->languageText.text().end());
    EXPECT_EQ(settings->languageButton.label(0).text(), u"LANGUAGE");
    clickOn(*settings, settings->languageButton);
    EXPECT_EQ(languagesSet, std::vector<std::string>{"de"});
    EXPECT_EQ(settings->languageText.text(), u"Deutsch");
    clickOn(*settings, settings->languageButton);
    EXPECT_EQ(settings->languageText.text(), u"Русский");
    clickOn(*settings, settings->languageButton);
    EXPECT_EQ(languagesSet, (std::vector<std::string>{"de", "ru", ""}));
    EXPECT_EQ(settings->languageText.text().rfind(u"System (", 0), 0u);
    // A language the host does not list starts the round from the first.
    chosenLanguage = "xx";
    clickOn(*settings, settings->languageButton);
    EXPECT_EQ(languagesSet.back(), "");
}

TEST(LanguageNames, EachLanguageByItsOwnName) {
    EXPECT_EQ(SettingsScreen::languageName("fr"), u"Français");
    EXPECT_EQ(SettingsScreen::languageName("es_ES.UTF-8"), u"Español");
    EXPECT_EQ(SettingsScreen::languageName("pl"), u"Polski");
    EXPECT_EQ(SettingsScreen::languageName("en"), u"English");
    EXPECT_EQ(SettingsScreen::languageName("sv"), u"sv");
}

TEST_F(SettingsScreenTest, AChangeOfLanguageSetsTheLinesAgainAtOnce) {
    // The built catalogues, the pseudo language among them.
    i18n::setUp(std::filesystem::path(QV_PRODUCT_FOLDER) / "locale", i18n::gameDomain);
    makeSets({"Default"});
    open();
    ASSERT_EQ(settings->effectsText.text(), u"Sound effects ON");
    i18n::chooseLanguage("qps");
    frames(*settings, 1);
    const std::u16string effects = settings->effectsText.text();
    const std::u16string set = settings->questionSetText.text();
    // The setting's state and the set's name survive the change.
    i18n::chooseLanguage("");
    EXPECT_EQ(effects.substr(0, 4), u"[Šöü") << utf8FromUtf16(effects);
    EXPECT_NE(effects.find(u"ÖÑ"), std::u16string::npos) << utf8FromUtf16(effects);
    EXPECT_EQ(set.substr(0, 4), u"[Qüé") << utf8FromUtf16(set);
    EXPECT_NE(set.find(u"Default"), std::u16string::npos) << utf8FromUtf16(set);
    frames(*settings, 1);
    EXPECT_EQ(settings->effectsText.text(), u"Sound effects ON");
    EXPECT_EQ(settings->questionSetText.text(), u"Question Set: Default");
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

TEST_F(GameOverScreenTest, TheWinnerIsNamedAndPlayersListedByWinningsInLargeLetters) {
    open(1);
    ASSERT_EQ(gameOver->resultTexts.size(), 1u);
    EXPECT_EQ(gameOver->winnerText.text(), u"No winner this time");
    EXPECT_EQ(gameOver->resultTexts[0]->text(), u"Player 1 won 0");
    EXPECT_EQ(gameOver->resultTexts[0]->font, font(1));

    // The fixture's winnings: 0, 32000, 200, 300: most first.
    open(4);
    ASSERT_EQ(gameOver->resultTexts.size(), 4u);
    EXPECT_EQ(gameOver->winnerText.text(), u"Player 2 wins!");
    EXPECT_EQ(gameOver->resultTexts[0]->text(), u"Player 2 won 32000");
    EXPECT_EQ(gameOver->resultTexts[1]->text(), u"Player 4 won 300");
    EXPECT_EQ(gameOver->resultTexts[3]->text(), u"Player 1 won 0");
    // One under the other, 52 pixels apart.
    EXPECT_EQ(gameOver->resultTexts[1]->position.y - gameOver->resultTexts[0]->position.y, 26.0f);

    // Nine still fit above OK, in the smaller letters.
    open(9);
    EXPECT_EQ(gameOver->resultTexts[0]->font, font(0));
    EXPECT_LE(2.0f * gameOver->resultTexts[8]->position.y + 384.0f, 645.0f);

    // Ties are named together.
    EXPECT_EQ(GameOverScreen::winnerLine({u"Ann", u"Ελένη"}), u"Ann and Ελένη win!");
    EXPECT_EQ(GameOverScreen::winnerLine({u"A", u"B", u"C"}), u"A, B and C win!");
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
