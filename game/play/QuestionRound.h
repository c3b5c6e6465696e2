// SPDX-License-Identifier: MIT
#pragma once
// The rules of play on the screen: one timed state machine per player that
// carries the player through a question (announce, show, wait, commit,
// reveal, outcome), the help options, the host's lines and the final screen.
// Only the current player's machine runs, once per frame; turns pass through
// the owner's nextPlayer.

#include "game/engine/FontSet.h"
#include "game/engine/SoundSet.h"
#include "game/engine/SpriteLayer.h"
#include "game/play/GameScreen.h"
#include "game/play/Player.h"
#include "game/quiz/HostLine.h"
#include "game/quiz/QuizState.h"
#include "game/quiz/RoundState.h"

#include <functional>
#include <memory>

namespace qv {

// What the round needs of the game that owns it. Everything is borrowed and
// must outlive the round.
struct PlayServices {
    QuizState& quiz;
    SoundSet& sounds;
    SpriteLayer& layer;
    // Null, or missing fonts: the texts draw nothing.
    const FontSet* fonts = nullptr;
    // The game's pointer sprite, first in every draw list; may be null.
    Sprite* pointer = nullptr;
    // True while the quit confirmation is up: the round only animates.
    std::function<bool()> quitConfirm;
    // Passes the turn on. Called from inside frameRound; the round touches
    // nothing of the player after the call.
    std::function<void()> nextPlayer;
};

class QuestionRound {
public:
    explicit QuestionRound(PlayServices services);
    ~QuestionRound();
    QuestionRound(const QuestionRound&) = delete;
    QuestionRound& operator=(const QuestionRound&) = delete;

    // At the start of a game, for every player: makes the player's mapper,
    // builds the shared screen when it is not built, resets the player and
    // puts it in Start.
    void buildGameScreen(Player& player);
    // Destroys the shared screen (the device goes, or the player records are
    // made again).
    void releaseGameScreen();
    GameScreen* screen() const { return screen_.get(); }

    // A new game for the player: level 0, help options back, screen hidden.
    void resetPlayer(Player& player);
    // The turn passes to the player: draws the question, takes slot 1 for
    // the player's mapper and puts the player's screen back. The player's
    // round state is not changed, except that a draw which finds no question
    // ends the player's game as if they had left with what they have.
    void resumePlayer(Player& player);
    // Enters a state with its timer and entry actions.
    void setRoundState(Player& player, RoundState state);
    // The per-frame entry for the current player.
    void frameRound(Player& player, float elapsed);
    void updateRound(Player& player, float elapsed);
    void handleChoice(Player& player);
    // The host speaks for the player.
    void say(Player& player, HostLine kind);

    // The player's name, from the name slots.
    // How long the host's parting line keeps the screen: typed out, then three
    // seconds to read.
    float lastLineSeconds() const;
    std::u16string nameOf(const Player& player) const;

private:
    friend class HelpOptions;
    void showFinalScreen(Player& player);
    void updateFinal(Player& player);
    void adviceTimer(Player& player, float elapsed);
    void revealCorrect(Player& player);

    PlayServices services_;
    std::unique_ptr<GameScreen> screen_;
};

} // namespace qv
