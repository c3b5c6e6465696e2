// SPDX-License-Identifier: MIT
#include "PlayFixture.h"

#include "game/play/GambleWheel.h"
#include "game/play/GameScreen.h"

#include <cmath>
#include <numbers>
#include <string>

namespace qv::test {
namespace {

using HelpOptionsRound = PlayFixture;
using Slot = SoundSet::Slot;

constexpr float pi = std::numbers::pi_v<float>;

std::string narrow(const std::u16string& s) {
    return {s.begin(), s.end()};
}

int shownAnswers(GameScreen& screen) {
    int n = 0;
    for (const auto& text : screen.answerTexts) {
        n += text.enabled ? 1 : 0;
    }
    return n;
}

TEST(GambleWheelStop, LosesOnlyBetweenAQuarterAndThreeQuartersOfATurn) {
    EXPECT_TRUE(GambleWheel::wins(pi / 2.0f));
    EXPECT_FALSE(GambleWheel::wins(std::nextafter(pi / 2.0f, 4.0f)));
    EXPECT_FALSE(GambleWheel::wins(3.0f * pi / 2.0f));
    EXPECT_TRUE(GambleWheel::wins(std::nextafter(3.0f * pi / 2.0f, 7.0f)));
    EXPECT_TRUE(GambleWheel::wins(0.0f));
    EXPECT_FALSE(GambleWheel::wins(pi));
}

TEST(GambleWheelStop, SlowsPerSecondAndStopsAfterAboutTwentySeconds) {
    Player p;
    GambleWheel::start(p, 0.0f);
    int frames = 0;
    int arrowsA = 0;
    int arrowsB = 0;
    for (;;) {
        const auto step = GambleWheel::spin(p, 1.0f / 60.0f);
        arrowsA += step.arrowA ? 1 : 0;
        arrowsB += step.arrowB ? 1 : 0;
        ++frames;
        if (step.stopped) {
            break;
        }
        ASSERT_LT(frames, 100000);
    }
    EXPECT_NEAR(frames / 60.0f, 20.0f, 0.1f);
    EXPECT_GE(p.wheelAngle, 0.0f);
    EXPECT_LE(p.wheelAngle, 2.0f * pi);
    EXPECT_GT(arrowsA, 5);
    EXPECT_GE(arrowsA, arrowsB);
    EXPECT_LE(arrowsA - arrowsB, 1);
}

TEST_F(HelpOptionsRound, TheClueLeavesTheCorrectAnswerAndOneOther) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        quiz_->random.seed(seed);
        startGame({u"Ann"});
        ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
        GameScreen& screen = *round_->screen();
        screen.clueButton.clicked = true;
        frame();
        EXPECT_EQ(current().roundState, RoundState::ClueTaken);
        EXPECT_FALSE(layer_->pointerBlocked);
        ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
        EXPECT_TRUE(current().clueUsed);
        EXPECT_EQ(shownAnswers(screen), 2);
        const int correct = correctOf(current());
        EXPECT_TRUE(screen.answerTexts[static_cast<std::size_t>(correct - 1)].enabled);
        EXPECT_TRUE(screen.answerButtons[static_cast<std::size_t>(correct - 1)].enabled);
        EXPECT_FALSE(screen.clueButton.enabled);
        EXPECT_TRUE(screen.clueCrossed.enabled);
        // A second click at the spent option's place is not read.
        screen.clueButton.clicked = true;
        frame();
        EXPECT_EQ(current().roundState, RoundState::AwaitAnswer);
        EXPECT_TRUE(screen.clueButton.clicked);
    }
    EXPECT_EQ(recorder_.count(Slot::Clue), 8);
}

TEST_F(HelpOptionsRound, TheJokerAfterTheClueCommitsTheCorrectAnswer) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    GameScreen& screen = *round_->screen();
    screen.clueButton.clicked = true;
    frame();
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    ASSERT_EQ(shownAnswers(screen), 2);
    screen.jokerButton.clicked = true;
    frame();
    EXPECT_EQ(current().roundState, RoundState::JokerTaken);
    EXPECT_TRUE(layer_->pointerBlocked);
    EXPECT_EQ(recorder_.count(Slot::Joker), 1);
    ASSERT_TRUE(runUntil(RoundState::Commit));
    const int correct = correctOf(current());
    EXPECT_EQ(current().chosenAnswer, correct);
    EXPECT_TRUE(current().jokerUsed);
    Sprite& button = screen.answerButtons[static_cast<std::size_t>(correct - 1)];
    EXPECT_TRUE(button.pressedImage()->enabled);
    EXPECT_FALSE(button.clicked);
    EXPECT_TRUE(screen.jokerCrossed.enabled);
    ASSERT_TRUE(runUntil(RoundState::Correct));
    EXPECT_EQ(current().level, 1);
}

TEST_F(HelpOptionsRound, AWonGambleCountsAsACorrectAnswer) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    GameScreen& screen = *round_->screen();
    screen.gambleButton.clicked = true;
    frame();
    EXPECT_EQ(current().roundState, RoundState::GambleTaken);
    EXPECT_TRUE(layer_->pointerBlocked);
    ASSERT_TRUE(runUntil(RoundState::GambleSpin));
    EXPECT_TRUE(current().gambleUsed);
    EXPECT_TRUE(screen.wheelBack.enabled);
    EXPECT_TRUE(layer_->contains(screen.wheelPointer));
    EXPECT_FLOAT_EQ(current().wheelSpeed, 0.1f);
    // Stopped exactly on a quarter turn: a win.
    current().wheelSpeed = 0.0f;
    current().wheelAngle = pi / 2.0f;
    frame();
    EXPECT_TRUE(current().gambleWon);
    EXPECT_EQ(current().roundState, RoundState::Correct);
    EXPECT_EQ(current().level, 1);
    EXPECT_FALSE(screen.wheelBack.enabled);
    EXPECT_EQ(recorder_.count(Slot::GambleWin), 1);
}

TEST_F(HelpOptionsRound, ALostGambleAtLevelElevenLosesWhatIsAtRisk) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    current().level = 11;
    round_->screen()->gambleButton.clicked = true;
    frame();
    ASSERT_TRUE(runUntil(RoundState::GambleSpin));
    current().wheelSpeed = 0.0f;
    current().wheelAngle = 3.0f * pi / 2.0f;
    frame();
    EXPECT_FALSE(current().gambleWon);
    EXPECT_EQ(current().roundState, RoundState::GambleLost);
    EXPECT_EQ(recorder_.count(Slot::GambleLose), 1);
    ASSERT_TRUE(runUntil(RoundState::Wrong));
    EXPECT_EQ(narrow(hostLine()), "You've just lost 32000");
    EXPECT_FALSE(current().gambleLost);
    ASSERT_TRUE(runUntil(RoundState::Final));
    EXPECT_EQ(current().finalWinnings, 32000);
}

TEST_F(HelpOptionsRound, ALostGambleWithLittleAtRiskSaysSo) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    current().level = 3;
    round_->screen()->gambleButton.clicked = true;
    frame();
    ASSERT_TRUE(runUntil(RoundState::GambleSpin));
    current().wheelSpeed = 0.0f;
    current().wheelAngle = pi;
    frame();
    ASSERT_TRUE(runUntil(RoundState::Wrong));
    EXPECT_EQ(narrow(hostLine()), "You gambled and lost. Unlucky");
}

TEST_F(HelpOptionsRound, TheWheelTurnsThePointerAndSoundsTheArrows) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    GameScreen& screen = *round_->screen();
    screen.gambleButton.clicked = true;
    frame();
    ASSERT_TRUE(runUntil(RoundState::GambleSpin));
    for (int i = 0; i < 90; ++i) {
        frame();
        EXPECT_NEAR(screen.wheelPointer.targetAngle, GambleWheel::shownAngle(current().wheelAngle),
                    1e-5f);
    }
    EXPECT_EQ(current().roundState, RoundState::GambleSpin);
    EXPECT_GE(recorder_.count(Slot::GambleArrowA), 1);
    EXPECT_GE(recorder_.count(Slot::GambleArrowB), 1);
}

} // namespace
} // namespace qv::test
