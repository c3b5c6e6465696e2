// SPDX-License-Identifier: MIT
#include "game/play/Host.h"

#include "game/quiz/PrizeLadder.h"

#include <array>

namespace qv {

namespace {

constexpr std::array<std::u16string_view, 8> welcomeLines{
    u"Welcome to Quizvale %s",
    u"Hello %s, are you ready for your first question?",
    u"Hi %s, sit down and relax, let's go for a million!",
    u"Welcome %s. Here we go...",
    u"Right %s, let's go!",
    u"OK %s, are you ready?",
    u"Good luck %s, let's go for a million!",
    u"Good luck %s, let's play...",
};

constexpr std::array<std::u16string_view, 7> correctLines{
    u"Great! You've just won %d!",       u"Well done. You've just won %d!",
    u"Good play. You've just won %d!",   u"Fantastic. You've just won %d!",
    u"Well played. You've just won %d!", u"That's the correct answer. You've just won %d!",
    u"Correct. You've just won %d!",
};

constexpr std::array<std::u16string_view, 7> leaveLines{
    u"Great! You leave with %d!",         u"Well done. You leave with %d!",
    u"Good play. You leave with %d!",     u"A good decision. You leave with %d!",
    u"Well played. You leave with %d!",   u"Well played. You take away %d!",
    u"A wise choice. You leave with %d!",
};

// Indexed by the spent options: Joker 1, Clue 2, Gamble 4.
constexpr std::array<std::u16string_view, 8> helpLeftLines{
    u"You can use the Joker, the Clue or the Gamble to help you",
    u"You still have the Clue and the Gamble left",
    u"You still have the Joker and the Gamble left",
    u"You can still use the Gamble",
    u"You still have the Joker and the Clue left",
    u"You can still use the Clue",
    u"You can still use the Joker",
    u"You have no Joker, Clue, or Gamble left",
};

std::u16string adviceLine(int pick, const Player& player, Random& random) {
    const int level = player.level;
    switch (pick) {
    case 0: {
        const int spent =
            (player.jokerUsed ? 1 : 0) | (player.clueUsed ? 2 : 0) | (player.gambleUsed ? 4 : 0);
        return std::u16string(helpLeftLines[static_cast<std::size_t>(spent)]);
    }
    case 1:
        return u"Take all the time you need";
    case 2:
        return fillRemark(u"This question is worth %d", amountText(player.nextQuestionValue()));
    case 3:
        if (level == 0) {
            return u"It's the first question. You have nothing to lose";
        }
        return fillRemark(u"You could lose %d", amountText(player.amountAtRisk()));
    case 4:
        if (level < guaranteedRungs[0]) {
            return Host::coin(random) ? u"Let's get you up to 1000..."
                                      : u"Let's see if you can get to a guaranteed 1000";
        }
        if (level < guaranteedRungs[1]) {
            return Host::coin(random) ? u"You are guaranteed to finish with at least 1000"
                                      : u"If you get to 32000, you win at least that amount";
        }
        return u"You are guaranteed to finish with at least 32000";
    case 5:
        if (level > 0 && isLevelWithoutRisk(level)) {
            return u"You may aswell go for it, you have nothing to lose!";
        }
        return fillRemark(u"You are %d questions away from a million", amountText(topRung - level));
    case 6:
        if (level == guaranteedRungs[0] - 1) {
            return u"This is an important question";
        }
        if (level == guaranteedRungs[1] - 1) {
            return u"This is a very important question";
        }
        if (level < guaranteedRungs[1]) {
            return u"Be careful. One wrong answer and it's all over";
        }
        return u"You're playing for high stakes now";
    default:
        // Beyond the picks drawn: the table's own continuation.
        if (Host::coin(random) && level > 0) {
            return fillRemark(u"You have %d, you're playing for %d", amountText(player.moneyWon()),
                              amountText(player.nextQuestionValue()));
        }
        return fillRemark(u"You are playing for %d", amountText(player.nextQuestionValue()));
    }
}

// Draws from 0 to n until the pick differs from `avoid`.
int pickAvoiding(Random& random, int n, int avoid) {
    int value = Host::pick(random, n);
    while (value == avoid) {
        value = Host::pick(random, n);
    }
    return value;
}

std::u16string wrongLine(const Player& player, Random& random) {
    if (player.amountAtRisk() > 2000) {
        return fillRemark(u"You've just lost %d", amountText(player.amountAtRisk()));
    }
    if (player.gambleLost) {
        return u"You gambled and lost. Unlucky";
    }
    if (guaranteedRungBelow(player.level) > 0) {
        if (Host::coin(random)) {
            return u"That's the wrong answer. Unlucky, you were doing so well";
        }
        return fillRemark(u"That's the wrong answer. Never mind, you still have %d",
                          amountText(player.leaveWithAmount()));
    }
    return u"That's incorrect. Better luck next time";
}

} // namespace

int Host::pick(Random& random, int n) {
    return static_cast<int>(random.between(0.0, n + 0.9999));
}

bool Host::compose(HostLine kind, Player& player, Random& random, std::u16string_view name,
                   bool lineOnScreen, std::u16string& line) {
    switch (kind) {
    case HostLine::Welcome:
        line = fillRemark(welcomeLines[static_cast<std::size_t>(pick(random, 7))], name);
        return true;
    case HostLine::FirstQuestion:
        line = fillRemark(u"%s, here is your first question...", name);
        return true;
    case HostLine::NextQuestion:
        line = fillRemark(u"%s, here is your next question...", name);
        return true;
    case HostLine::Advice: {
        if (lineOnScreen) {
            return false;
        }
        const int value = pickAvoiding(random, 6, player.lastAdvice);
        player.lastAdvice = value;
        line = adviceLine(value, player, random);
        return true;
    }
    case HostLine::Correct: {
        const int value = pickAvoiding(random, 6, player.lastVerdict);
        const auto amount = amountText(player.moneyWon());
        if (value == 5 && player.jokerAnswered) {
            line = fillRemark(u"You used the Joker and have won %d!", amount);
        } else if (value == 6 && player.jokerAnswered) {
            line = fillRemark(u"The Joker has won you %d!", amount);
        } else {
            line = fillRemark(correctLines[static_cast<std::size_t>(value)], amount);
        }
        player.jokerAnswered = false;
        return true;
    }
    case HostLine::Leave: {
        const int value = pickAvoiding(random, 6, player.lastVerdict);
        line = fillRemark(leaveLines[static_cast<std::size_t>(value)],
                          amountText(player.leaveWithAmount()));
        player.jokerAnswered = false;
        return true;
    }
    case HostLine::Wrong:
        player.lastVerdict = pickAvoiding(random, 5, player.lastVerdict);
        line = wrongLine(player, random);
        player.gambleLost = false;
        return true;
    case HostLine::ExplainJoker:
        line = u"The Joker will select the correct answer for you";
        return true;
    case HostLine::ExplainClue:
        line = u"The Clue will remove two wrong answers for you";
        return true;
    case HostLine::ExplainGamble:
        line = u"The Gamble will give you a 50/50 chance of continuing";
        return true;
    case HostLine::NothingToLose:
        line = coin(random) ? u"You may aswell select an answer, you have nothing to lose"
                            : u"You won't lose anything, so why not take a guess";
        return true;
    case HostLine::GambleTaken:
        // The draw only moves the generator on, as it always has.
        random.next();
        return true;
    case HostLine::JokerTaken:
    case HostLine::ClueTaken:
        return true;
    }
    return true;
}

std::u16string fillRemark(std::u16string_view pattern, std::u16string_view first,
                          std::u16string_view second) {
    std::u16string out;
    out.reserve(pattern.size() + first.size() + second.size());
    int used = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == u'd' || pattern[i + 1] == u's')) {
            out += used == 0 ? first : second;
            ++used;
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

std::u16string amountText(int amount) {
    const std::string digits = std::to_string(amount);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace qv
