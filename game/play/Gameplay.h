// SPDX-License-Identifier: MIT
#pragma once
// The game in progress as the game object holds it: one Player record per
// player, made again whenever the number of players changes, and the round
// that runs them on the shared game screen once a device exists. The screen
// dispatcher sets up each player's screen when a game starts, starts a turn
// and updates the current player; everything else happens inside the round.

#include "game/play/Player.h"
#include "game/play/QuestionRound.h"

#include <memory>
#include <vector>

namespace qv {

class Gameplay {
public:
    Gameplay() = default;
    ~Gameplay();
    Gameplay(const Gameplay&) = delete;
    Gameplay& operator=(const Gameplay&) = delete;

    // Discards the records (the game screen first, as it points into them)
    // and makes `count` new ones, numbered 0 to count - 1.
    void setPlayerCount(int count);
    // The player at the index was named (its playerIndex is the index).
    void playerNamed(int index);
    // What the player left the last game with; 0 for an index out of range.
    int playerMoney(int index) const;

    // The device exists: the round can build its screen with these.
    void startRound(PlayServices services);
    // The device goes: the game screen and the round go with it.
    void stopRound();
    QuestionRound* round() const { return round_.get(); }

    // For the dispatcher; each does nothing for an index out of range or
    // before startRound.
    void setUpGameScreen(int index);
    void startTurn(int index);
    void update(int index, float elapsed);

    int count() const { return static_cast<int>(players_.size()); }
    // The record at the index, or null.
    Player* player(int index) const;

private:
    std::vector<std::unique_ptr<Player>> players_;
    std::unique_ptr<QuestionRound> round_;
};

} // namespace qv
