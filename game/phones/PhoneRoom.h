// SPDX-License-Identifier: MIT
#pragma once
// Who has joined from a phone. A phone joins with the room code shown on the
// television and a name; it is given a token, and comes back with that token
// (after a reload, or after the phone slept) as the same phone. A phone
// waits until the names screen asks for the next player's name, becomes that
// player, and stays that player through Play Again; phones beyond the
// players watch. The room holds no locks: its owner serialises the calls.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/phones/PhoneMessage.h"

namespace qv {

inline constexpr int maxPhonePlayers = 9;
inline constexpr int maxPhoneWatchers = 16;

struct PhoneSeat {
    enum class Role { Waiting, Player, Watcher };
    std::string token;
    std::string name;
    Role role = Role::Waiting;
    int player = -1; // the player's index while Role::Player
    bool connected = false;
};

class PhoneRoom {
public:
    explicit PhoneRoom(std::string code) : code_(std::move(code)) {}

    const std::string& code() const { return code_; }
    const std::vector<PhoneSeat>& seats() const { return seats_; }

    enum class Outcome { Joined, CameBack, WrongRoom, UnknownToken, Full };
    struct JoinResult {
        Outcome outcome = Outcome::WrongRoom;
        std::size_t seat = 0; // valid for Joined and CameBack
    };
    // A join message. A new phone needs the room code and gets `newToken`;
    // a known token comes back to its seat whatever code it names (the code
    // may have changed with a new game since). The seat is marked connected.
    JoinResult join(const PhoneMessage& message, const std::string& newToken);
    void setConnected(std::size_t seat, bool connected);

    // The game's side. The next waiting phone in the order they joined, or
    // nothing.
    std::optional<std::size_t> nextWaiting() const;
    // The seat plays as `player` (0-based); a seat that played as that
    // player before gives the place up.
    void seatAsPlayer(std::size_t seat, int player);
    // Names are done: phones still waiting watch.
    void waitingWatch();
    // A new game with a new code: every phone waits to be named again, in
    // the order they first joined.
    void newGame(std::string code);
    // Play Again: a new code, every phone keeps its player.
    void newCode(std::string code) { code_ = std::move(code); }
    // The seat of player `player`, or nothing.
    std::optional<std::size_t> seatOfPlayer(int player) const;

private:
    int count(PhoneSeat::Role role) const;

    std::string code_;
    std::vector<PhoneSeat> seats_;
};

} // namespace qv
