// SPDX-License-Identifier: MIT
#include "game/play/Player.h"

#include "game/quiz/PrizeLadder.h"

namespace qv {

int Player::nextQuestionValue() const {
    if (level == topRung) {
        return questionValue(topRung);
    }
    return questionValue(level + 1);
}

int Player::amountAtRisk() const {
    if (level < 0 || level >= topRung) {
        return 0;
    }
    return questionValue(level) - guaranteedAmount(level);
}

int Player::leaveWithAmount() const {
    return taking ? questionValue(level) : guaranteedAmount(level);
}

int Player::moneyWon() const {
    return questionValue(level);
}

} // namespace qv
