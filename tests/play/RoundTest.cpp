// SPDX-License-Identifier: MIT
#include "PlayFixture.h"

#include "game/play/GameScreen.h"

#include <cmath>
#include <string>

namespace qv::test {
namespace {

using Round = PlayFixture;
using Slot = SoundSet::Slot;

std::string narrow(const std::u16string& s) {
    return {s.begin(), s.end()};
}

TEST_F(Round, AQuestionRunsFromWelcomeToTheAnswerButtons) {
    startGame({u"Ann"});
    EXPECT_EQ(current().roundState, RoundState::Start);
    frame();
    EXPECT_EQ(current().roundState, RoundState::Welcome);
    EXPECT_NE(narrow(hostLine()).find("Ann"), std::string::npos);
    ASSERT_TRUE(runUntil(RoundState::AnnounceQuestion));
    EXPECT_EQ(narrow(hostLine()), "Ann, here is your first question...");
    ASSERT_TRUE(runUntil(RoundState::ShowQuestion));
    EXPECT_FALSE(layer_->pointerBlocked);
    GameScreen& screen = *round_->screen();
    EXPECT_TRUE(screen.questionText.enabled);
    EXPECT_FALSE(screen.answerTexts[0].enabled);
    ASSERT_TRUE(runUntil(RoundState::ShowAnswerD));
    EXPECT_TRUE(screen.answerTexts[3].enabled);
    EXPECT_FALSE(screen.answerButtons[0].enabled);
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    for (const auto& button : screen.answerButtons) {
        EXPECT_TRUE(button.enabled);
    }
    EXPECT_TRUE(screen.takeButton.enabled);
    EXPECT_TRUE(screen.gambleButton.enabled);
    EXPECT_EQ(recorder_.count(Slot::NextQuestion), 1);
    EXPECT_EQ(screen.playerLabelText.text(), u"Ann");
}

TEST_F(Round, TheCommitPauseGrowsWithTheLevel) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    choose(correctOf(current()));
    EXPECT_EQ(current().roundState, RoundState::Commit);
    EXPECT_FLOAT_EQ(current().stateTimer, 5.0f);
    EXPECT_TRUE(layer_->pointerBlocked);
    EXPECT_EQ(recorder_.count(Slot::Commit), 1);
    int frames = 0;
    while (current().roundState == RoundState::Commit) {
        frame();
        ++frames;
    }
    EXPECT_NEAR(frames * frameSeconds, 5.0f, 2 * frameSeconds);
    EXPECT_EQ(current().roundState, RoundState::RevealCorrect);

    current().level = 14;
    round_->setRoundState(current(), RoundState::Commit);
    EXPECT_FLOAT_EQ(current().stateTimer, 7.1f);
}

TEST_F(Round, TakingAtLevelsWithoutRiskOnlyMakesTheHostSpeak) {
    startGame({u"Ann"});
    for (int level : {0, 5, 10}) {
        current().level = level;
        round_->setRoundState(current(), RoundState::AwaitAnswer);
        round_->screen()->takeButton.clicked = true;
        frame();
        EXPECT_EQ(current().roundState, RoundState::AwaitAnswer) << level;
        EXPECT_FALSE(current().taking);
        const std::string line = narrow(hostLine());
        EXPECT_TRUE(line == "You won't lose anything, so why not take a guess" ||
                    line == "You may aswell select an answer, you have nothing to lose")
            << line;
    }
    EXPECT_EQ(recorder_.count(Slot::Take), 0);

    current().level = 3;
    round_->screen()->takeButton.clicked = true;
    frame();
    EXPECT_EQ(current().roundState, RoundState::Leave);
    EXPECT_EQ(recorder_.count(Slot::Take), 1);
    ASSERT_TRUE(runUntil(RoundState::Final) || gameOver_);
    // 300 has no final screen: the one player's game is over at once.
    EXPECT_TRUE(gameOver_);
    EXPECT_EQ(player(0).finalWinnings, 300);
    EXPECT_TRUE(player(0).finished);
}

TEST_F(Round, TwoPlayersTakeTurnsAfterEachCorrectAnswer) {
    startGame({u"Ann", u"Bob"});
    answer(true);
    ASSERT_TRUE(runUntil(RoundState::Correct));
    EXPECT_EQ(player(0).level, 1);
    EXPECT_NE(narrow(hostLine()).find("100!"), std::string::npos) << narrow(hostLine());
    ASSERT_TRUE(runUntil(RoundState::AfterCorrect));
    while (current_ == 0) {
        frame();
    }
    EXPECT_EQ(player(0).roundState, RoundState::NextTurn);
    EXPECT_EQ(current().roundState, RoundState::Start);
    EXPECT_EQ(round_->screen()->playerLabelText.text(), u"P2: Bob");
    frame();
    EXPECT_EQ(current().roundState, RoundState::Welcome);
    ASSERT_TRUE(runUntil(RoundState::AnnounceQuestion));
    EXPECT_EQ(narrow(hostLine()), "Bob, here is your first question...");
    answer(true);
    while (current_ == 1) {
        frame();
    }
    EXPECT_EQ(current().roundState, RoundState::NextTurn);
    EXPECT_EQ(round_->screen()->rung(1).hold, -1.0f);
    EXPECT_EQ(round_->screen()->rung(2).hold, 0.4f);
    frame();
    EXPECT_EQ(current().roundState, RoundState::AnnounceQuestion);
    EXPECT_EQ(narrow(hostLine()), "Ann, here is your next question...");
    EXPECT_EQ(current().level, 1);
    EXPECT_EQ(current().question->value, 2);

    // A wrong answer with nothing guaranteed ends Ann's game at once, without
    // a final screen, and the turn stays with Bob from then on.
    answer(false);
    ASSERT_TRUE(runUntil(RoundState::Wrong));
    while (current_ == 0) {
        frame();
    }
    EXPECT_TRUE(player(0).finished);
    EXPECT_EQ(player(0).finalWinnings, 0);
    answer(true);
    ASSERT_TRUE(runUntil(RoundState::NextTurn));
    EXPECT_EQ(current_, 1);
    EXPECT_EQ(current().level, 2);
}

TEST_F(Round, AWrongAnswerAtLevelFiveShowsTheThousandFinalScreen) {
    startGame({u"Ann"});
    for (int i = 0; i < 5; ++i) {
        answer(true);
        ASSERT_TRUE(runUntil(RoundState::NextTurn));
    }
    EXPECT_EQ(current().level, 5);
    answer(false);
    ASSERT_TRUE(runUntil(RoundState::Wrong));
    ASSERT_TRUE(runUntil(RoundState::Final));
    EXPECT_EQ(current().finalWinnings, 1000);
    GameScreen& screen = *round_->screen();
    EXPECT_EQ(screen.winImage.imagePath(), "Resources//1000win.tga");
    EXPECT_TRUE(screen.winImage.enabled);
    EXPECT_TRUE(screen.endButton.enabled);
    EXPECT_FALSE(layer_->pointerBlocked);
    EXPECT_EQ(current().fireworkCount, 1);
    EXPECT_EQ(screen.fireworks[0]->count(), 100);
    EXPECT_EQ(recorder_.count(Slot::Quit), 1);
    frame();
    EXPECT_TRUE(screen.fireworks[0]->flying());
    EXPECT_FALSE(screen.fireworks[1]->flying());
    EXPECT_FALSE(gameOver_);

    screen.endButton.clicked = true;
    frame();
    EXPECT_TRUE(gameOver_);
    EXPECT_TRUE(player(0).finished);
}

TEST_F(Round, FifteenCorrectAnswersWinTheMillion) {
    startGame({u"Ann"});
    for (int i = 0; i < 15; ++i) {
        answer(true);
        ASSERT_TRUE(runUntil(RoundState::Correct));
        ASSERT_TRUE(runUntil(i < 14 ? RoundState::NextTurn : RoundState::Final));
    }
    EXPECT_EQ(current().level, 15);
    EXPECT_EQ(current().finalWinnings, 1000000);
    EXPECT_EQ(current().fireworkCount, 5);
    GameScreen& screen = *round_->screen();
    EXPECT_EQ(screen.winImage.imagePath(), "Resources//1000000win.tga");
    EXPECT_EQ(screen.fireworks[4]->count(), 800);
    frame();
    for (const auto& burst : screen.fireworks) {
        EXPECT_TRUE(burst->flying());
    }
    EXPECT_EQ(screen.rung(15).hold, -1.0f);
    for (int i = 0; i < 60; ++i) {
        frame();
    }
    EXPECT_TRUE(screen.rung(15).enabled);
}

TEST_F(Round, TheRungFlashesUntilItIsWon) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::ShowQuestion));
    GameScreen& screen = *round_->screen();
    EXPECT_FALSE(screen.rung(2).enabled);
    // From 1.2 s on, shown for 0.9 s of every 1.2 s.
    int on = 0;
    for (int i = 0; i < 144; ++i) {
        frame();
        on += screen.rung(1).enabled ? 1 : 0;
        EXPECT_FALSE(screen.rung(2).enabled);
    }
    EXPECT_GT(on, 70);
    EXPECT_LT(on, 100);
    answer(true);
    ASSERT_TRUE(runUntil(RoundState::Correct));
    EXPECT_EQ(current().currentRung, &screen.rung(2));
    for (int i = 0; i < 150; ++i) {
        frame();
    }
    EXPECT_TRUE(screen.rung(1).enabled);
}

TEST_F(Round, TheBackgroundCyclesFromPhasesOf255) {
    startGame({u"Ann"});
    frame(0.0f);
    const Colour c = round_->screen()->background.fullColour;
    const float phase = 255.0f - 6.2831855f;
    const auto expected = static_cast<int>((std::sin(phase) + 1.0f) * 0.5f * 175.0f + 80.0f);
    EXPECT_EQ(c.r, expected);
    EXPECT_GT(expected, 80);
    EXPECT_EQ(c.a, 255);
    for (int i = 0; i < 30; ++i) {
        frame();
    }
    const Colour later = round_->screen()->background.fullColour;
    EXPECT_NE(later.r, later.b);
    EXPECT_GE(later.g, 80);
}

TEST_F(Round, NothingMovesButTheBackdropWhileTheQuitQuestionIsUp) {
    startGame({u"Ann"});
    frame();
    quitConfirm_ = true;
    const float timer = current().stateTimer;
    for (int i = 0; i < 300; ++i) {
        frame();
    }
    EXPECT_EQ(current().roundState, RoundState::Welcome);
    EXPECT_FLOAT_EQ(current().stateTimer, timer);
    quitConfirm_ = false;
    ASSERT_TRUE(runUntil(RoundState::AnnounceQuestion));
}

TEST_F(Round, AdviceComesEverySixteenSecondsAtMostAndNeverOverALine) {
    fonts_ = std::make_unique<FontSet>(renderer_);
    ASSERT_NE(fonts_->font(0), nullptr);
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    const std::u16string announced = hostLine();
    float firstAdvice = -1.0f;
    for (float t = 0.0f; t < 60.0f; t += frameSeconds) {
        frame();
        if (hostLine() != announced && firstAdvice < 0.0f) {
            firstAdvice = t;
            EXPECT_NE(current().lastAdvice, -1);
            // A second line waits until this one has gone: 13.25 s.
            const std::u16string advice = hostLine();
            for (float u = 0.0f; u < 13.0f; u += frameSeconds) {
                frame();
                EXPECT_EQ(hostLine(), advice);
            }
            t += 13.0f;
        }
    }
    EXPECT_GE(firstAdvice, 15.9f);
    EXPECT_EQ(current().roundState, RoundState::AwaitAnswer);
}

TEST_F(Round, HoverExplainsEachHelpOnceEachTimeThePointerArrives) {
    startGame({u"Ann"});
    ASSERT_TRUE(runUntil(RoundState::AwaitAnswer));
    GameScreen& screen = *round_->screen();
    Sprite& hilight = *screen.clueButton.hilightImage();
    hilight.enabled = true;
    frame();
    EXPECT_EQ(narrow(hostLine()), "The Clue will remove two wrong answers for you");
    round_->screen()->hostText.setText(u"other");
    hilight.enabled = true;
    frame();
    EXPECT_EQ(narrow(hostLine()), "other");
    hilight.enabled = false;
    frame();
    hilight.enabled = true;
    frame();
    EXPECT_EQ(narrow(hostLine()), "The Clue will remove two wrong answers for you");
}

TEST_F(Round, AnEmptyDrawEndsThePlayersGameWithWhatTheyHave) {
    // Only the first three rungs hold questions.
    auto questions = makeQuestions(1);
    questions.resize(3);
    quiz_->bank.setQuestions(questions);
    startGame({u"Ann"});
    for (int i = 0; i < 3; ++i) {
        answer(true);
        ASSERT_TRUE(runUntil(RoundState::AfterCorrect));
    }
    ASSERT_TRUE(runUntil(RoundState::Leave));
    EXPECT_EQ(current().question, nullptr);
    EXPECT_TRUE(current().taking);
    EXPECT_NE(narrow(hostLine()).find("300!"), std::string::npos) << narrow(hostLine());
    // The parting line is typed out and read before the game ends.
    for (int i = 0; i < 240 && !gameOver_; ++i) {
        frame();
    }
    EXPECT_TRUE(gameOver_);
    EXPECT_EQ(player(0).finalWinnings, 300);
}

TEST_F(Round, AnEmptyDrawAtTheSixthRungStillShowsTheFinalScreen) {
    auto questions = makeQuestions(1);
    questions.resize(5);
    quiz_->bank.setQuestions(questions);
    startGame({u"Ann"});
    for (int i = 0; i < 5; ++i) {
        answer(true);
        ASSERT_TRUE(runUntil(RoundState::AfterCorrect));
    }
    ASSERT_TRUE(runUntil(RoundState::Leave));
    ASSERT_TRUE(runUntil(RoundState::Final));
    EXPECT_EQ(current().finalWinnings, 1000);
    EXPECT_TRUE(round_->screen()->endButton.enabled);
}

} // namespace
} // namespace qv::test
