// SPDX-License-Identifier: MIT
// The title screen's menu, player count and name entry on the stand-in game.

#include <string>

#include "ScreenFixture.h"
#include "common/FileIo.h"
#include "game/quiz/ConfigFile.h"
#include "game/screens/TitleScreen.h"

namespace qv::test {
namespace {

class TitleScreenTest : public ScreenFixture {
protected:
    void open() {
        title = std::make_unique<TitleScreen>(*this);
        title->initialise();
        title->enter();
        frames(*title, 5);
    }
    void toPlayerCount() {
        open();
        clickOn(*title, title->newGameButton);
        ASSERT_EQ(title->mode, TitleScreen::TitleMode::PlayerCount);
    }
    void toNameEntry(int ups = 0) {
        toPlayerCount();
        for (int i = 0; i < ups; ++i) {
            clickOn(*title, title->upButton);
        }
        clickOn(*title, title->okButton);
        frames(*title, 20);
        ASSERT_EQ(title->mode, TitleScreen::TitleMode::NameEntry);
    }
    std::u16string typed() const {
        std::u16string name = title->typedName;
        if (!name.empty() && name.back() == u'_') {
            name.pop_back();
        }
        return name;
    }
    void typeName(const std::u16string& letters) {
        for (char16_t c : letters) {
            tap(*title, InputCode::letter(static_cast<char>(c - u'a' + 'A')));
        }
    }
    void confirmWithReturn() {
        tap(*title, InputCode::Return);
        frames(*title, 20);
    }

    std::unique_ptr<TitleScreen> title;
};

TEST_F(TitleScreenTest, PlayAgainIsOfferedOnlyWithAConfiguration) {
    quiz().configMissing = true;
    open();
    EXPECT_FALSE(title->playAgainButton.enabled);
    EXPECT_TRUE(title->newGameButton.enabled);
    EXPECT_TRUE(title->settingsButton.enabled);

    quiz().configMissing = false;
    writeConfig(2);
    open();
    EXPECT_TRUE(title->playAgainButton.enabled);
    clickOn(*title, title->playAgainButton);
    EXPECT_EQ(playStarts, 1);
    EXPECT_FALSE(layer().contains(title->backdrop));
}

TEST_F(TitleScreenTest, TheSettingsButtonHandsOverToTheSettings) {
    open();
    clickOn(*title, title->settingsButton);
    EXPECT_EQ(settingsOpened, 1);
}

TEST_F(TitleScreenTest, ThePlayerCountStaysWithinOneToNine) {
    toPlayerCount();
    EXPECT_EQ(title->countText.text(), u"1");

    // At the bound nothing changes and the number does not type itself anew.
    float before = title->countText.age;
    clickOn(*title, title->downButton);
    EXPECT_EQ(title->chosenCount, 1);
    EXPECT_GT(title->countText.age, before + 0.9f);

    clickOn(*title, title->upButton);
    EXPECT_EQ(title->countText.text(), u"2");
    EXPECT_LT(title->countText.age, 1.1f);

    for (int i = 0; i < 9; ++i) {
        clickOn(*title, title->upButton);
    }
    EXPECT_EQ(title->chosenCount, 9);
    EXPECT_EQ(title->countText.text(), u"9");
    before = title->countText.age;
    clickOn(*title, title->upButton);
    EXPECT_EQ(title->chosenCount, 9);
    EXPECT_GT(title->countText.age, before + 0.9f);
}

TEST_F(TitleScreenTest, AConfigurationOfThreePlayersStartsTheCountAtThree) {
    writeConfig(3);
    toPlayerCount();
    EXPECT_EQ(title->chosenCount, 3);
    EXPECT_EQ(title->countText.text(), u"3");
}

TEST_F(TitleScreenTest, KeysTypeLettersByShiftAndDigitsUpToTenCharacters) {
    toNameEntry();
    EXPECT_EQ(title->promptText.text(), u"Player 1, please enter your name");
    tap(*title, InputCode::Backspace);
    EXPECT_EQ(typed(), u"");
    tap(*title, InputCode::letter('A'));
    tap(*title, InputCode::shiftedLetter('B'));
    tap(*title, InputCode::Digit1 + 6);
    EXPECT_EQ(typed(), u"aB7");
    EXPECT_EQ(clicks, 4);

    typeName(u"cdefghi");
    EXPECT_EQ(typed(), u"aB7cdefghi");
    tap(*title, InputCode::Digit0);
    EXPECT_EQ(typed(), u"aB7cdefghi");
    EXPECT_EQ(clicks, 12);
    tap(*title, InputCode::Backspace);
    EXPECT_EQ(typed(), u"aB7cdefgh");
}

TEST_F(TitleScreenTest, TwoNamesAreWrittenOnlyAfterTheSecond) {
    toNameEntry(1);
    typeName(u"ann");
    confirmWithReturn();
    EXPECT_EQ(quiz().playerNames[0], u"ann");
    EXPECT_EQ(title->promptText.text(), u"Player 2, please enter your name");
    EXPECT_FALSE(std::filesystem::exists(quiz().configPath()));
    EXPECT_EQ(playStarts, 0);

    // An empty field stores the default name.
    confirmWithReturn();
    EXPECT_EQ(playStarts, 1);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(quiz().configPath(), bytes));
    ConfigData saved;
    ASSERT_TRUE(parseConfig(bytes, saved));
    EXPECT_EQ(saved.playerCount, 2);
    EXPECT_EQ(saved.playerNames[0], u"ann");
    EXPECT_EQ(saved.playerNames[1], u"Player 2");
}

TEST_F(TitleScreenTest, WhileTheQuitQuestionIsUpOnlyTheBackdropMoves) {
    toPlayerCount();
    clickOn(*title, title->okButton);
    ASSERT_TRUE(title->leaving);
    const float timer = title->leaveTimer;
    const auto phases = title->backdropAnimation.phases();
    quitShown = true;
    layer().pointerBlocked = true;
    frames(*title, 40);
    clickOn(*title, title->upButton);
    EXPECT_EQ(title->mode, TitleScreen::TitleMode::PlayerCount);
    EXPECT_EQ(title->leaveTimer, timer);
    EXPECT_EQ(title->chosenCount, 1);
    EXPECT_NE(title->backdropAnimation.phases(), phases);

    quitShown = false;
    layer().pointerBlocked = false;
    frames(*title, 25);
    EXPECT_EQ(title->mode, TitleScreen::TitleMode::NameEntry);
}

} // namespace
} // namespace qv::test
