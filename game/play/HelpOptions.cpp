// SPDX-License-Identifier: MIT
#include "game/play/HelpOptions.h"

#include "game/play/GambleWheel.h"
#include "game/play/QuestionRound.h"

#include <array>

namespace qv {

namespace {

int correctAnswerOf(const Player& player) {
    return player.question != nullptr ? player.question->correctAnswer : 0;
}

bool hasPicture(const Player& player) {
    return player.question != nullptr && player.question->hasPicture;
}

} // namespace

void HelpOptions::enterJokerTaken(QuestionRound& round, Player& player) {
    round.say(player, HostLine::JokerTaken);
    round.services_.layer.pointerBlocked = true;
    show(round.screen_->jokerButton);
    player.stateTimer = 3.1f;
    player.jokerAnswered = true;
}

void HelpOptions::jokerAct(QuestionRound& round, Player& player) {
    GameScreen& screen = *round.screen_;
    hide(screen.jokerButton);
    show(screen.jokerCrossed);
    player.jokerUsed = true;
    player.chosenAnswer = correctAnswerOf(player);
    if (player.chosenAnswer >= 1 && player.chosenAnswer <= GameScreen::answerCount) {
        Sprite& button = screen.answerButtons[static_cast<std::size_t>(player.chosenAnswer - 1)];
        if (Sprite* pressed = button.pressedImage()) {
            pressed->hold = 0.0f;
            pressed->position = button.position;
            pressed->fadeIn = button.fadeIn;
            pressed->fadedColour = button.fadedColour;
            pressed->fadeOut = button.fadeOut;
            pressed->start();
        }
    }
    round.setRoundState(player, RoundState::Commit);
}

void HelpOptions::enterClueTaken(QuestionRound& round, Player& player) {
    round.say(player, HostLine::ClueTaken);
    show(round.screen_->clueButton);
    player.stateTimer = 1.689f;
}

void HelpOptions::clueAct(QuestionRound& round, Player& player) {
    GameScreen& screen = *round.screen_;
    if (!player.clueUsed) {
        const int correct = correctAnswerOf(player);
        // Only shown wrong answers can go; counting them first keeps the
        // draw finite whatever is on screen.
        int candidates = 0;
        for (int k = 0; k < GameScreen::answerCount; ++k) {
            if (k + 1 != correct && screen.answerTexts[static_cast<std::size_t>(k)].enabled) {
                ++candidates;
            }
        }
        const int toRemove = candidates < 2 ? candidates : 2;
        int removed = 0;
        while (removed < toRemove) {
            const int k = round.services_.quiz.random.index(0.0, 3.9999);
            auto& text = screen.answerTexts[static_cast<std::size_t>(k)];
            if (k + 1 != correct && text.enabled) {
                ++removed;
                hide(text);
                hide(screen.answerButtons[static_cast<std::size_t>(k)]);
            }
        }
    }
    hide(screen.clueButton);
    show(screen.clueCrossed);
    player.clueUsed = true;
    round.setRoundState(player, RoundState::AwaitAnswer);
}

void HelpOptions::enterGambleTaken(QuestionRound& round, Player& player) {
    round.say(player, HostLine::GambleTaken);
    round.services_.layer.pointerBlocked = true;
    show(round.screen_->gambleButton);
    player.stateTimer = 2.0f;
}

void HelpOptions::enterGambleSpin(QuestionRound& round, Player& player) {
    GameScreen& screen = *round.screen_;
    hide(screen.gambleButton);
    show(screen.gambleCrossed);
    player.gambleUsed = true;
    round.services_.layer.add(screen.wheelBack);
    round.services_.layer.add(screen.wheelPointer);
    show(screen.wheelBack);
    show(screen.wheelPointer);
    if (hasPicture(player)) {
        screen.hidePictureGroup();
    }
    GambleWheel::start(player,
                       static_cast<float>(round.services_.quiz.random.between(0.0, 6.2831855)));
    screen.wheelPointer.setTargetAngle(GambleWheel::shownAngle(player.wheelAngle));
}

void HelpOptions::spinGambleWheel(QuestionRound& round, Player& player, float elapsed) {
    GameScreen& screen = *round.screen_;
    const GambleWheel::Step step = GambleWheel::spin(player, elapsed);
    if (step.arrowA) {
        round.services_.sounds.playGambleArrowA();
    }
    if (step.arrowB) {
        round.services_.sounds.playGambleArrowB();
    }
    if (!step.stopped) {
        screen.wheelPointer.setTargetAngle(GambleWheel::shownAngle(player.wheelAngle));
        return;
    }
    if (player.gambleWon) {
        round.services_.sounds.playGambleWin();
        round.setRoundState(player, RoundState::Correct);
        hide(screen.wheelBack);
        hide(screen.wheelPointer);
        if (hasPicture(player)) {
            screen.showPictureGroup();
        }
    } else {
        round.setRoundState(player, RoundState::GambleLost);
    }
}

void HelpOptions::enterGambleLost(QuestionRound& round, Player& player) {
    round.services_.sounds.playGambleLose();
    player.stateTimer = 2.0f;
}

void HelpOptions::explainOnHover(QuestionRound& round, Player& player) {
    GameScreen& screen = *round.screen_;
    struct Hover {
        Sprite& button;
        bool& flag;
        bool speaks;
        HostLine line;
    };
    const std::array<Hover, 4> hovers{{
        {screen.jokerButton, player.hoverJoker, true, HostLine::ExplainJoker},
        {screen.clueButton, player.hoverClue, true, HostLine::ExplainClue},
        {screen.gambleButton, player.hoverGamble, true, HostLine::ExplainGamble},
        {screen.takeButton, player.hoverTake, false, HostLine::Advice},
    }};
    for (const Hover& h : hovers) {
        const Sprite* hilight = h.button.hilightImage();
        if (hilight != nullptr && hilight->enabled) {
            if (!h.flag) {
                h.flag = true;
                if (h.speaks) {
                    round.say(player, h.line);
                }
            }
        } else {
            h.flag = false;
        }
    }
}

} // namespace qv
