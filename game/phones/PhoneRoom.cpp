// SPDX-License-Identifier: MIT
#include "game/phones/PhoneRoom.h"

#include <utility>

namespace qv {

PhoneRoom::JoinResult PhoneRoom::join(const PhoneMessage& message, const std::string& newToken) {
    if (!message.token.empty()) {
        for (std::size_t i = 0; i < seats_.size(); ++i) {
            if (seats_[i].token == message.token) {
                seats_[i].connected = true;
                return {Outcome::CameBack, i};
            }
        }
        // A token of an earlier run of the game: join anew when the phone
        // also knows the room.
        if (message.room.empty() || message.name.empty()) {
            return {Outcome::UnknownToken, 0};
        }
    }
    if (message.room != code_) {
        return {Outcome::WrongRoom, 0};
    }
    // Waiting phones will be players; past the players' places a phone can
    // still watch.
    PhoneSeat seat;
    seat.token = newToken;
    seat.name = message.name;
    seat.connected = true;
    const int waitingOrPlaying = count(PhoneSeat::Role::Waiting) + count(PhoneSeat::Role::Player);
    if (waitingOrPlaying >= maxPhonePlayers) {
        if (count(PhoneSeat::Role::Watcher) >= maxPhoneWatchers) {
            return {Outcome::Full, 0};
        }
        seat.role = PhoneSeat::Role::Watcher;
    }
    seats_.push_back(std::move(seat));
    return {Outcome::Joined, seats_.size() - 1};
}

void PhoneRoom::setConnected(std::size_t seat, bool connected) {
    if (seat < seats_.size()) {
        seats_[seat].connected = connected;
    }
}

std::optional<std::size_t> PhoneRoom::nextWaiting() const {
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].role == PhoneSeat::Role::Waiting) {
            return i;
        }
    }
    return std::nullopt;
}

void PhoneRoom::seatAsPlayer(std::size_t seat, int player) {
    if (seat >= seats_.size()) {
        return;
    }
    for (PhoneSeat& other : seats_) {
        if (other.role == PhoneSeat::Role::Player && other.player == player) {
            other.role = PhoneSeat::Role::Watcher;
            other.player = -1;
        }
    }
    seats_[seat].role = PhoneSeat::Role::Player;
    seats_[seat].player = player;
}

void PhoneRoom::waitingWatch() {
    for (PhoneSeat& seat : seats_) {
        if (seat.role == PhoneSeat::Role::Waiting) {
            seat.role = PhoneSeat::Role::Watcher;
        }
    }
}

void PhoneRoom::newGame(std::string code) {
    code_ = std::move(code);
    int waiting = 0;
    for (PhoneSeat& seat : seats_) {
        seat.player = -1;
        seat.role = waiting < maxPhonePlayers ? PhoneSeat::Role::Waiting : PhoneSeat::Role::Watcher;
        if (seat.role == PhoneSeat::Role::Waiting) {
            ++waiting;
        }
    }
}

std::optional<std::size_t> PhoneRoom::seatOfPlayer(int player) const {
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].role == PhoneSeat::Role::Player && seats_[i].player == player) {
            return i;
        }
    }
    return std::nullopt;
}

int PhoneRoom::count(PhoneSeat::Role role) const {
    int n = 0;
    for (const PhoneSeat& seat : seats_) {
        n += seat.role == role ? 1 : 0;
    }
    return n;
}

} // namespace qv
