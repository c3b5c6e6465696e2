// SPDX-License-Identifier: MIT
#pragma once
// The three help options of a game, each usable once: the Joker answers the
// question, the Clue removes two wrong answers, the Gamble spins a wheel that
// counts the question as right or wrong. They are the round states from
// JokerTaken to GambleLost.

#include "game/play/Player.h"

namespace qv {

class QuestionRound;

class HelpOptions {
public:
    static void enterJokerTaken(QuestionRound& round, Player& player);
    // The Joker commits the correct answer, playing that button's press
    // without raising its click.
    static void jokerAct(QuestionRound& round, Player& player);
    static void enterClueTaken(QuestionRound& round, Player& player);
    // Hides two different wrong answers, drawn at random until two shown
    // ones were hit (fewer when fewer are left), then waits for an answer.
    static void clueAct(QuestionRound& round, Player& player);
    static void enterGambleTaken(QuestionRound& round, Player& player);
    static void enterGambleSpin(QuestionRound& round, Player& player);
    static void spinGambleWheel(QuestionRound& round, Player& player, float elapsed);
    static void enterGambleLost(QuestionRound& round, Player& player);
    // While an answer is awaited: the pointer arriving on the Joker, Clue or
    // Gamble button makes the host explain it, once per arrival; arriving on
    // the take button is tracked without a line.
    static void explainOnHover(QuestionRound& round, Player& player);
};

} // namespace qv
