// SPDX-License-Identifier: MIT
// The frame dispatcher of the real game on the dummy video driver, its input
// from a script: the quit question, the pointer, and the switches between
// screens.

#include <filesystem>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "game/screens/SettingsScreen.h"
#include "game/screens/TitleScreen.h"
#include "game/shell/Framework.h"
#include "game/shell/Game.h"
#include "game/shell/GameCallbacks.h"
#include "game/shell/ScriptedInputSource.h"
#include "game/shell/TurnOrder.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RecordingMessageBox.h"

namespace qv {
namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        resources = std::filesystem::temp_directory_path() / "qv-dispatch-test" / "Resources";
        std::filesystem::remove_all(resources.parent_path());
        std::filesystem::create_directories(resources / "QuestionSets" / "Default");
        game = std::make_unique<Game>(framework, resources);
        registerGameCallbacks(framework);
        framework.setEscapeClosesWindow(false);
        ASSERT_TRUE(framework.initialise(true, arguments, true, false));
        framework.createWindow("Game");
        ASSERT_TRUE(framework.createDevice(0, false, 1024, 768, &gameDeviceAcceptable,
                                           &gameModifyDeviceSettings, nullptr));
        auto scripted = std::make_unique<ScriptedInputSource>([this] {
            return std::array<float, 2>{game->pointerPos[0], game->pointerPos[1]};
        });
        input = scripted.get();
        game->inputDevices->setSource(std::move(scripted));
        // The shell's keys count once they have been seen up.
        frames(2);
    }
    void TearDown() override {
        framework.requestClose();
        framework.mainLoop();
        game.reset();
        std::filesystem::remove_all(resources.parent_path());
    }

    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            framework.runFrame();
        }
    }
    // Down for one frame, up for the next.
    void key(std::string_view name) {
        input->keyDown(name);
        frames(1);
        input->keyUp(name);
        frames(1);
    }

    std::vector<std::string_view> arguments{"-windowed", "-constantframetime"};
    RecordingMessageBox messages;
    MemorySettingsStore settings;
    Framework framework{messages, settings, [](const std::string&) {}};
    std::filesystem::path resources;
    std::unique_ptr<Game> game;
    ScriptedInputSource* input = nullptr;
};

TEST_F(Dispatch, EscapeAsksAndNoGoesBackWithTheFadeStartingAgain) {
    ASSERT_NE(game->titleScreen, nullptr);
    key("escape");
    EXPECT_TRUE(game->quitConfirm);
    EXPECT_TRUE(game->spriteLayer->pointerBlocked);
    ASSERT_TRUE(game->quitOverlay->enabled);
    EXPECT_TRUE(game->spriteLayer->contains(*game->quitOverlay));
    frames(20);
    const float age = game->quitOverlay->age;
    EXPECT_GT(age, 0.5f);

    // Escape again changes nothing: the fade goes on.
    key("escape");
    EXPECT_TRUE(game->quitConfirm);
    EXPECT_GT(game->quitOverlay->age, age);

    key("n");
    EXPECT_FALSE(game->quitConfirm);
    EXPECT_FALSE(game->spriteLayer->pointerBlocked);
    EXPECT_FALSE(game->quitOverlay->enabled);
    // N reaches no screen once the question is gone; Escape opens it anew.
    key("escape");
    EXPECT_TRUE(game->quitConfirm);
    EXPECT_LT(game->quitOverlay->age, 0.1f);
    EXPECT_LT(game->quitOverlay->colour.r, 10);
    EXPECT_FALSE(game->quitRequested);
}

TEST_F(Dispatch, NoKeepsThePointerBlockedWhenTheRoundHadBlockedIt) {
    // As while an answer is committed.
    game->spriteLayer->pointerBlocked = true;
    key("escape");
    key("n");
    EXPECT_FALSE(game->quitConfirm);
    EXPECT_TRUE(game->spriteLayer->pointerBlocked);
}

TEST_F(Dispatch, ShiftedNoAnswersToo) {
    key("escape");
    input->keyDown("shift");
    key("n");
    input->keyUp("shift");
    frames(1);
    EXPECT_FALSE(game->quitConfirm);
}

TEST_F(Dispatch, YesAndNoInOneFrameQuitAfterSaving) {
    key("escape");
    input->keyDown("y");
    input->keyDown("n");
    frames(1);
    EXPECT_TRUE(game->quitRequested);
    EXPECT_EQ(game->quitOverlay, nullptr);
    EXPECT_TRUE(std::filesystem::exists(resources / "Config.txt"));
    EXPECT_TRUE(std::filesystem::exists(resources / "QStateDefault.bin"));
}

TEST_F(Dispatch, ThePointerStaysOnTheScreen) {
    input->moveTo(-4000.0f, 9000.0f);
    frames(1);
    EXPECT_EQ(game->pointerPos[0], 0.0f);
    EXPECT_EQ(game->pointerPos[1], 767.0f);
    input->moveTo(5000.0f, -20.0f);
    frames(1);
    EXPECT_EQ(game->pointerPos[0], 1023.0f);
    EXPECT_EQ(game->pointerPos[1], 0.0f);
    EXPECT_EQ(game->cursorSprite->position, (Vec3{1023.0f, 0.0f, 0.0f}));
    const auto nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Game::clampPointer({nan, 1024.0f, 0.0f}),
              (std::array<float, 3>{512.0f, 767.0f, 0.0f}));
}

TEST_F(Dispatch, SettingsReplaceTheTitleAndOkBringsANewTitle) {
    game->openSettings();
    EXPECT_EQ(game->titleScreen, nullptr);
    EXPECT_FALSE(game->titleActive);
    EXPECT_TRUE(game->settingsActive);
    ASSERT_NE(game->settingsScreen, nullptr);
    game->settingsScreen->done = true;
    frames(1);
    EXPECT_FALSE(game->settingsActive);
    EXPECT_EQ(game->settingsScreen, nullptr);
    EXPECT_TRUE(game->titleActive);
    EXPECT_NE(game->titleScreen, nullptr);
}

TEST_F(Dispatch, PlayStartsWithAPlayerOfThisGame) {
    // Left by an earlier game of more players.
    game->currentPlayer = 4;
    game->titleActive = false;
    frames(1);
    EXPECT_EQ(game->titleScreen, nullptr);
    EXPECT_EQ(game->currentPlayer, 0);
}

TEST(TurnOrder, FinishedPlayersArePassedBy) {
    const bool second[] = {false, true, false};
    auto finished = [&](int i) { return second[i]; };
    EXPECT_EQ(nextUnfinishedPlayer(0, 3, finished), 2);
    EXPECT_EQ(nextUnfinishedPlayer(2, 3, finished), 0);
    const bool allButFirst[] = {false, true, true};
    EXPECT_EQ(nextUnfinishedPlayer(0, 3, [&](int i) { return allButFirst[i]; }), 0);
    EXPECT_EQ(nextUnfinishedPlayer(0, 1, [](int) { return true; }), -1);
    EXPECT_EQ(nextUnfinishedPlayer(0, 0, [](int) { return false; }), -1);
}

} // namespace
} // namespace qv
