// SPDX-License-Identifier: MIT
#pragma once
// One player's record through a game: the money won, the help options, the
// state of the question round and of the host. The amounts the game shows,
// says and stores all come from `level` and `taking` through the operations
// below.

#include "game/engine/InputMapper.h"
#include "game/quiz/Question.h"
#include "game/quiz/RoundState.h"

#include <array>
#include <memory>

namespace qv {

class Sprite;

class Player {
public:
    Player() = default;
    // Destroys the player's own input mapper, which leaves its slot.
    ~Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // The value of the question being played: that of question level + 1, and
    // 1000000 at level 15; 0 outside 0 to 15.
    int nextQuestionValue() const;
    // What a wrong answer costs now: the money won less the guaranteed amount.
    int amountAtRisk() const;
    // The money the player leaves with: everything won when taking, else the
    // guaranteed amount.
    int leaveWithAmount() const;
    // The money won so far.
    int moneyWon() const;

    // Questions answered correctly, 0 to 15; also the rung index played.
    int level = 0;
    // Written when the player reaches the final screen; read for the results.
    int finalWinnings = 0;
    // The pointer is over that button and its explanation was said.
    bool hoverJoker = false;
    bool hoverClue = false;
    bool hoverGamble = false;
    bool hoverTake = false;
    bool jokerUsed = false;
    bool clueUsed = false;
    bool gambleUsed = false;
    // The left mouse button on action 0, not shared; made with the player's
    // game screen, put in slot 1 when the player's turn begins.
    std::unique_ptr<InputMapper> inputMapper;
    RoundState roundState = RoundState::ShowQuestion;
    // Seconds left in the round state; its time is over below 0.
    float stateTimer = 0.0f;
    // Not owned: the question being played, or null.
    const Question* question = nullptr;
    // Seconds since the current rung last flashed.
    float rungFlashTimer = 0.0f;
    // 1 to 4 for A to D.
    int chosenAnswer = 0;
    bool gambleWon = true;
    // The player's game is over; turns pass the player by.
    bool finished = false;
    // Not owned: the ladder rung of the question being played.
    Sprite* currentRung = nullptr;
    // 0-based; also the slot of the player's name. -1 until named.
    int playerIndex = -1;
    int lastAdvice = -1;
    int lastVerdict = -1;
    // Seconds spent waiting for an answer since the last advice check.
    float adviceTimer = 0.0f;
    // Leaving with the money won.
    bool taking = false;
    // Phases of the background colour cycle for red, green and blue.
    std::array<float, 3> backdropPhase{255.0f, 255.0f, 255.0f};
    // Gamble wheel: radians per frame, pointer angle, and whether the pointer
    // passed half a turn since its last full turn.
    float wheelSpeed = 0.0f;
    float wheelAngle = 0.0f;
    bool wheelPastHalf = false;
    // The Joker chose the answer of the current question.
    bool jokerAnswered = false;
    // Firework emitters kept running on the final screen, 0 to 5.
    int fireworkCount = 0;
    // The coming wrong-answer outcome comes from a lost Gamble.
    bool gambleLost = false;
};

} // namespace qv
