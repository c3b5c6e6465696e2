// SPDX-License-Identifier: MIT
#include "game/play/Gameplay.h"

namespace qv {

Gameplay::~Gameplay() {
    // The screen's sprites go before the records that point at them.
    round_.reset();
    players_.clear();
}

void Gameplay::setPlayerCount(int count) {
    if (round_) {
        round_->releaseGameScreen();
    }
    // Last to first, each with its own input mapper.
    while (!players_.empty()) {
        players_.pop_back();
    }
    for (int i = 0; i < count; ++i) {
        players_.push_back(std::make_unique<Player>());
    }
}

void Gameplay::playerNamed(int index) {
    if (Player* p = player(index)) {
        p->playerIndex = index;
    }
}

int Gameplay::playerMoney(int index) const {
    const Player* p = player(index);
    return p != nullptr ? p->finalWinnings : 0;
}

void Gameplay::startRound(PlayServices services) {
    round_ = std::make_unique<QuestionRound>(std::move(services));
}

void Gameplay::stopRound() {
    if (round_) {
        round_->releaseGameScreen();
    }
    // Nothing may point into the screen that is gone.
    for (auto& p : players_) {
        p->currentRung = nullptr;
    }
    round_.reset();
}

void Gameplay::setUpGameScreen(int index) {
    if (Player* p = player(index); p != nullptr && round_) {
        round_->buildGameScreen(*p);
    }
}

void Gameplay::startTurn(int index) {
    if (Player* p = player(index); p != nullptr && round_) {
        round_->resumePlayer(*p);
    }
}

void Gameplay::update(int index, float elapsed) {
    if (Player* p = player(index); p != nullptr && round_) {
        round_->frameRound(*p, elapsed);
    }
}

Player* Gameplay::player(int index) const {
    if (index < 0 || index >= static_cast<int>(players_.size())) {
        return nullptr;
    }
    return players_[static_cast<std::size_t>(index)].get();
}

} // namespace qv
