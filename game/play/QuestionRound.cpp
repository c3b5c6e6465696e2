// SPDX-License-Identifier: MIT
#include "game/play/QuestionRound.h"

#include "game/play/HelpOptions.h"
#include "game/play/Host.h"
#include "game/quiz/PrizeLadder.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr int leftButtonAction = 0;
constexpr float correctMarkerLift = 0.09f;

} // namespace

QuestionRound::QuestionRound(PlayServices services) : services_(std::move(services)) {}

QuestionRound::~QuestionRound() = default;

void QuestionRound::buildGameScreen(Player& player) {
    player.inputMapper = std::make_unique<InputMapper>();
    player.inputMapper->bind(InputCode::MouseLeft, leftButtonAction, false);
    if (!screen_) {
        screen_ = std::make_unique<GameScreen>(services_.layer.textures(), services_.fonts,
                                               services_.quiz.random);
    }
    resetPlayer(player);
    setRoundState(player, RoundState::Start);
    services_.layer.skipNextElapsed = true;
}

void QuestionRound::releaseGameScreen() {
    screen_.reset();
}

void QuestionRound::resetPlayer(Player& player) {
    player.taking = false;
    player.jokerUsed = false;
    player.clueUsed = false;
    player.gambleUsed = false;
    player.level = 0;
    if (!screen_) {
        player.currentRung = nullptr;
        return;
    }
    GameScreen& screen = *screen_;
    // The language may have changed in the settings since the last game.
    screen.showWords();
    player.currentRung = &screen.rung(1);
    hide(screen.winImage);
    hide(screen.endButton);
    hide(screen.playerLabelText);
    hide(screen.hostText);
    for (Sprite* help : {&screen.jokerButton, &screen.clueButton, &screen.gambleButton,
                         &screen.jokerCrossed, &screen.clueCrossed, &screen.gambleCrossed}) {
        hide(*help);
    }
    for (auto& r : screen.rungs) {
        hide(r);
    }
    screen.hideQuestion();
}

void QuestionRound::resumePlayer(Player& player) {
    if (!screen_) {
        return;
    }
    GameScreen& screen = *screen_;
    SpriteLayer& layer = services_.layer;

    player.question = services_.quiz.drawQuestion(player.level);
    screen.prepareQuestion(player.question,
                           player.question != nullptr
                               ? services_.quiz.picturePath(player.question->number)
                               : std::filesystem::path());
    if (player.question != nullptr) {
        services_.sounds.playNextQuestion();
    }

    if (player.inputMapper) {
        player.inputMapper->claimSlot(1, true);
    }

    screen.rebuildDrawList(layer, services_.pointer);

    if (services_.pointer != nullptr) {
        show(*services_.pointer);
    }
    show(screen.background);
    show(screen.backFrame);
    show(screen.playerLabelText);
    show(screen.hostText);
    hide(screen.questionText);
    for (auto& text : screen.answerTexts) {
        hide(text);
    }
    hide(screen.takeButton);
    hide(screen.jokerButton);
    hide(screen.clueButton);
    hide(screen.gambleButton);
    for (auto& button : screen.answerButtons) {
        hide(button);
    }
    hide(screen.correctMarker);
    player.jokerUsed ? show(screen.jokerCrossed) : hide(screen.jokerCrossed);
    player.clueUsed ? show(screen.clueCrossed) : hide(screen.clueCrossed);
    player.gambleUsed ? show(screen.gambleCrossed) : hide(screen.gambleCrossed);

    for (int q = 1; q <= rungCount; ++q) {
        Sprite& r = screen.rung(q);
        q <= player.level + 1 ? show(r) : hide(r);
        r.hold = q <= player.level ? -1.0f : 0.4f;
    }

    hide(screen.endButton);
    if (Sprite* hilight = screen.endButton.hilightImage()) {
        hide(*hilight);
    }
    if (Sprite* pressed = screen.endButton.pressedImage()) {
        hide(*pressed);
        pressed->restart();
    }

    screen.playerLabelText.setText(
        GameScreen::playerLabel(nameOf(player), player.playerIndex, services_.quiz.playerCount));

    // A set that has no question for this rung (nor any rung it may borrow
    // from) cannot go on: the player leaves with what they have.
    if (player.question == nullptr) {
        setRoundState(player, RoundState::Leave);
    }
}

void QuestionRound::setRoundState(Player& player, RoundState state) {
    player.roundState = state;
    if (!screen_) {
        return;
    }
    GameScreen& screen = *screen_;
    SpriteLayer& layer = services_.layer;
    SoundSet& sounds = services_.sounds;
    switch (state) {
    case RoundState::Start:
        player.stateTimer = 0.0f;
        break;
    case RoundState::Welcome:
        say(player, HostLine::Welcome);
        player.finished = false;
        player.stateTimer = 5.0f;
        break;
    case RoundState::AnnounceQuestion:
        screen.hideQuestion();
        say(player, player.level == 0 ? HostLine::FirstQuestion : HostLine::NextQuestion);
        player.stateTimer = 3.0f;
        break;
    case RoundState::ShowQuestion:
        layer.pointerBlocked = false;
        player.stateTimer = 2.0f;
        show(screen.questionText);
        if (player.question != nullptr && player.question->hasPicture) {
            screen.addPictureGroup(layer);
            screen.showPictureGroup();
        }
        break;
    case RoundState::ShowAnswerA:
    case RoundState::ShowAnswerB:
    case RoundState::ShowAnswerC:
    case RoundState::ShowAnswerD: {
        player.stateTimer = 1.5f;
        const int k = static_cast<int>(state) - static_cast<int>(RoundState::ShowAnswerA);
        show(screen.answerTexts[static_cast<std::size_t>(k)]);
        break;
    }
    case RoundState::AwaitAnswer:
        show(screen.takeButton);
        player.jokerUsed ? hide(screen.jokerButton) : show(screen.jokerButton);
        player.clueUsed ? hide(screen.clueButton) : show(screen.clueButton);
        player.gambleUsed ? hide(screen.gambleButton) : show(screen.gambleButton);
        break;
    case RoundState::Commit:
        sounds.playCommit();
        layer.pointerBlocked = true;
        player.stateTimer = 5.0f + 0.15f * static_cast<float>(player.level);
        break;
    case RoundState::RevealCorrect:
        sounds.playCorrect();
        player.stateTimer = 0.5f;
        revealCorrect(player);
        break;
    case RoundState::CheckAnswer:
        player.stateTimer = 1.0f;
        break;
    case RoundState::AfterCorrect:
        player.stateTimer = 2.0f;
        break;
    case RoundState::JokerTaken:
        HelpOptions::enterJokerTaken(*this, player);
        break;
    case RoundState::ClueTaken:
        HelpOptions::enterClueTaken(*this, player);
        break;
    case RoundState::GambleTaken:
        HelpOptions::enterGambleTaken(*this, player);
        break;
    case RoundState::GambleSpin:
        HelpOptions::enterGambleSpin(*this, player);
        break;
    case RoundState::GambleLost:
        HelpOptions::enterGambleLost(*this, player);
        break;
    case RoundState::JokerAct:
    case RoundState::ClueAct:
    case RoundState::NextTurn:
        break;
    case RoundState::Leave:
        player.taking = true;
        layer.pointerBlocked = true;
        say(player, HostLine::Leave);
        // The player leaves knowing what the answer would have been.
        revealCorrect(player);
        player.stateTimer = lastLineSeconds();
        break;
    case RoundState::Correct:
        player.level += 1;
        say(player, HostLine::Correct);
        player.stateTimer = 4.0f;
        if (player.currentRung != nullptr) {
            startAfresh(*player.currentRung);
            player.currentRung->hold = -1.0f;
        }
        if (player.level >= 1 && player.level < topRung) {
            player.currentRung = &screen.rung(player.level + 1);
        } else if (player.level >= topRung) {
            // Nothing is left to play for; a current rung would be the top
            // rung just won, which the flash rule switches off outside play.
            player.currentRung = nullptr;
        }
        break;
    case RoundState::Wrong:
        player.taking = false;
        say(player, HostLine::Wrong);
        // A lost Gamble reaches here without the reveal of a wrong answer.
        revealCorrect(player);
        player.stateTimer = std::max(6.0f, lastLineSeconds());
        break;
    case RoundState::Final:
        hide(screen.wheelBack);
        hide(screen.wheelPointer);
        hide(screen.takeButton);
        hide(screen.jokerButton);
        hide(screen.clueButton);
        hide(screen.gambleButton);
        for (auto& button : screen.answerButtons) {
            hide(button);
        }
        hide(screen.correctMarker);
        screen.hidePictureGroup();
        player.finalWinnings = player.leaveWithAmount();
        if (hasFinalScreen(player.finalWinnings)) {
            showFinalScreen(player);
        } else {
            player.finished = true;
            services_.nextPlayer();
        }
        break;
    }
}

void QuestionRound::revealCorrect(Player& player) {
    GameScreen& screen = *screen_;
    const int correct = player.question != nullptr ? player.question->correctAnswer : 0;
    if (correct < 1 || correct > GameScreen::answerCount) {
        return;
    }
    // In front of the button and its pressed image, but behind the answer's
    // text (0.3): a marker at the text's own depth would be drawn over it.
    const Vec3& at = screen.answerButtons[static_cast<std::size_t>(correct - 1)].position;
    screen.correctMarker.position = Vec3{at.x, at.y, at.z - correctMarkerLift};
    show(screen.correctMarker);
}

void QuestionRound::showFinalScreen(Player& player) {
    GameScreen& screen = *screen_;
    screen.loadWinImage(player.finalWinnings);
    const auto emitters = fireworksFor(player.finalWinnings);
    for (std::size_t i = 0; i < emitters.size() && i < screen.fireworks.size(); ++i) {
        screen.fireworks[i]->configure(services_.layer.textures(), emitters[i].maxSpeed,
                                       emitters[i].sparks, emitters[i].fadeTime);
    }
    player.fireworkCount = static_cast<int>(emitters.size());
    services_.sounds.playQuit();
    screen.winImage.attach();
    screen.endButton.attach();
    show(screen.winImage);
    show(screen.endButton);
    services_.layer.pointerBlocked = false;
}

void QuestionRound::frameRound(Player& player, float elapsed) {
    if (screen_) {
        screen_->cycleBackdrop(player.backdropPhase, elapsed);
    }
    GameScreen::flashRung(player, elapsed);
    if (screen_) {
        screen_->markRung(player);
    }
    if (services_.quitConfirm && services_.quitConfirm()) {
        return;
    }
    adviceTimer(player, elapsed);
    if (screen_) {
        screen_->advanceFireworks(elapsed);
    }
    updateRound(player, elapsed);
}

void QuestionRound::adviceTimer(Player& player, float elapsed) {
    if (player.roundState != RoundState::AwaitAnswer) {
        player.adviceTimer = 0.0f;
        return;
    }
    if (player.adviceTimer >= 16.0f) {
        if (services_.quiz.random.between(0.0, 1.0) > 0.2) {
            say(player, HostLine::Advice);
        }
        player.adviceTimer = 0.0f;
    }
    player.adviceTimer += elapsed;
}

void QuestionRound::updateRound(Player& player, float elapsed) {
    if (player.stateTimer >= 0.0f) {
        player.stateTimer -= elapsed;
    }
    const bool over = player.stateTimer < 0.0f;
    switch (player.roundState) {
    case RoundState::Start:
        if (over) {
            setRoundState(player, RoundState::Welcome);
        }
        break;
    case RoundState::Welcome:
        if (over) {
            setRoundState(player, RoundState::AnnounceQuestion);
        }
        break;
    case RoundState::AnnounceQuestion:
    case RoundState::ShowQuestion:
    case RoundState::ShowAnswerA:
    case RoundState::ShowAnswerB:
    case RoundState::ShowAnswerC:
        if (over) {
            setRoundState(player, static_cast<RoundState>(static_cast<int>(player.roundState) + 1));
        }
        break;
    case RoundState::ShowAnswerD:
        if (over) {
            setRoundState(player, RoundState::AwaitAnswer);
            if (screen_) {
                for (auto& button : screen_->answerButtons) {
                    show(button);
                }
            }
        }
        break;
    case RoundState::AwaitAnswer:
        if (screen_) {
            HelpOptions::explainOnHover(*this, player);
        }
        handleChoice(player);
        break;
    case RoundState::Commit:
        if (over) {
            setRoundState(player, RoundState::RevealCorrect);
        }
        break;
    case RoundState::RevealCorrect:
        if (over) {
            setRoundState(player, RoundState::CheckAnswer);
        }
        break;
    case RoundState::CheckAnswer:
        if (over) {
            // A question without a valid correct answer can never be won.
            const int correct = player.question != nullptr ? player.question->correctAnswer : 0;
            const bool right = correct >= 1 && correct <= GameScreen::answerCount &&
                               player.chosenAnswer == correct;
            setRoundState(player, right ? RoundState::Correct : RoundState::Wrong);
        }
        break;
    case RoundState::AfterCorrect:
        if (over) {
            if (player.level < topRung) {
                setRoundState(player, RoundState::NextTurn);
                services_.nextPlayer();
                return;
            }
            player.taking = true;
            setRoundState(player, RoundState::Final);
        }
        break;
    case RoundState::JokerTaken:
        if (over) {
            setRoundState(player, RoundState::JokerAct);
        }
        break;
    case RoundState::ClueTaken:
        if (over) {
            setRoundState(player, RoundState::ClueAct);
        }
        break;
    case RoundState::GambleTaken:
        if (over) {
            setRoundState(player, RoundState::GambleSpin);
        }
        break;
    case RoundState::JokerAct:
        if (screen_) {
            HelpOptions::jokerAct(*this, player);
        }
        break;
    case RoundState::ClueAct:
        if (screen_) {
            HelpOptions::clueAct(*this, player);
        }
        break;
    case RoundState::GambleSpin:
        if (screen_) {
            HelpOptions::spinGambleWheel(*this, player, elapsed);
        }
        break;
    case RoundState::GambleLost:
        if (over) {
            player.gambleLost = true;
            setRoundState(player, RoundState::Wrong);
        }
        break;
    case RoundState::NextTurn:
        setRoundState(player, RoundState::AnnounceQuestion);
        break;
    case RoundState::Leave:
    case RoundState::Wrong:
        if (over) {
            setRoundState(player, RoundState::Final);
        }
        break;
    case RoundState::Correct:
        if (over) {
            setRoundState(player, RoundState::AfterCorrect);
        }
        break;
    case RoundState::Final:
        updateFinal(player);
        break;
    }
}

void QuestionRound::updateFinal(Player& player) {
    if (!screen_) {
        return;
    }
    GameScreen& screen = *screen_;
    if (screen.endButton.takeClick()) {
        player.finished = true;
        services_.nextPlayer();
        return;
    }
    screen.relaunchFireworks(player.fireworkCount, services_.quiz.random);
}

void QuestionRound::handleChoice(Player& player) {
    if (!screen_) {
        return;
    }
    GameScreen& screen = *screen_;
    for (int k = 0; k < GameScreen::answerCount; ++k) {
        if (screen.answerButtons[static_cast<std::size_t>(k)].takeClick()) {
            player.chosenAnswer = k + 1;
            setRoundState(player, RoundState::Commit);
        }
    }
    if (screen.takeButton.takeClick()) {
        if (isLevelWithoutRisk(player.level)) {
            say(player, HostLine::NothingToLose);
        } else {
            services_.sounds.playTake();
            setRoundState(player, RoundState::Leave);
        }
    }
    if (!player.jokerUsed && screen.jokerButton.takeClick()) {
        services_.sounds.playJoker();
        setRoundState(player, RoundState::JokerTaken);
    }
    if (!player.clueUsed && screen.clueButton.takeClick()) {
        services_.sounds.playClue();
        setRoundState(player, RoundState::ClueTaken);
    }
    if (!player.gambleUsed && screen.gambleButton.takeClick()) {
        services_.sounds.playGamble();
        setRoundState(player, RoundState::GambleTaken);
    }
}

void QuestionRound::say(Player& player, HostLine kind) {
    if (!screen_) {
        return;
    }
    TextDrawable& hostText = screen_->hostText;
    std::u16string line = hostText.text();
    // The host says a kept default name in the player's language.
    if (!Host::compose(kind, player, services_.quiz.random,
                       shownPlayerName(nameOf(player), player.playerIndex), hostText.enabled,
                       line)) {
        return;
    }
    hostText.setText(line);
    startAfresh(hostText);
}

float QuestionRound::lastLineSeconds() const {
    // The host's parting line is typed out and then stays readable for three
    // seconds before the game moves on (to the results, after the last turn).
    float typing = 0.0f;
    if (screen_) {
        const TextDrawable& hostText = screen_->hostText;
        typing = hostText.fadeIn + static_cast<float>(hostText.text().size()) *
                                       (hostText.typewriter ? hostText.secondsPerLetter : 0.0f);
    }
    return std::max(3.0f, typing + 3.0f);
}

std::u16string QuestionRound::nameOf(const Player& player) const {
    const auto& names = services_.quiz.playerNames;
    if (player.playerIndex < 0 || player.playerIndex >= static_cast<int>(names.size())) {
        return {};
    }
    return names[static_cast<std::size_t>(player.playerIndex)];
}

} // namespace qv
