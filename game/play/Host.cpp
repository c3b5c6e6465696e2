// SPDX-License-Identifier: MIT
#include "game/play/Host.h"

#include "common/Translate.h"
#include "game/quiz/PrizeLadder.h"

#include <array>

namespace qv {

namespace {

// The remarks are marked here and looked up in the player's language when
// the host speaks, so a change of language takes effect with the next line.
constexpr std::array<const char*, 8> welcomeLines{
    // TRANSLATORS: the host greets a player at the start of a turn; %s is the player's name.
    N_("Welcome to Quizvale %s"),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("Hello %s, are you ready for your first question?"),
    // TRANSLATORS: the host greets a player; %s is the player's name; a million is the top prize.
    N_("Hi %s, sit down and relax, let's go for a million!"),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("Welcome %s. Here we go..."),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("Right %s, let's go!"),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("OK %s, are you ready?"),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("Good luck %s, let's go for a million!"),
    // TRANSLATORS: the host greets a player; %s is the player's name.
    N_("Good luck %s, let's play..."),
};

constexpr std::array<const char*, 7> correctLines{
    // TRANSLATORS: after a right answer; %d is the amount won so far, written as the language
    // writes amounts.
    N_("Great! You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("Well done. You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("Good play. You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("Fantastic. You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("Well played. You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("That's the correct answer. You've just won %d!"),
    // TRANSLATORS: after a right answer; %d is the amount won so far.
    N_("Correct. You've just won %d!"),
};

constexpr std::array<const char*, 7> leaveLines{
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("Great! You leave with %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("Well done. You leave with %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("Good play. You leave with %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("A good decision. You leave with %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("Well played. You leave with %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("Well played. You take away %d!"),
    // TRANSLATORS: the player takes the money and leaves; %d is the amount taken home.
    N_("A wise choice. You leave with %d!"),
};

// Indexed by the spent options: Joker 1, Clue 2, Gamble 4.
constexpr std::array<const char*, 8> helpLeftLines{
    // TRANSLATORS: host's advice; the Joker, the Clue and the Gamble are the three
    // help options, named as on their buttons; none is used yet.
    N_("You can use the Joker, the Clue or the Gamble to help you"),
    // TRANSLATORS: host's advice; the help options not yet used.
    N_("You still have the Clue and the Gamble left"),
    // TRANSLATORS: host's advice; the help options not yet used.
    N_("You still have the Joker and the Gamble left"),
    // TRANSLATORS: host's advice; the help option not yet used.
    N_("You can still use the Gamble"),
    // TRANSLATORS: host's advice; the help options not yet used.
    N_("You still have the Joker and the Clue left"),
    // TRANSLATORS: host's advice; the help option not yet used.
    N_("You can still use the Clue"),
    // TRANSLATORS: host's advice; the help option not yet used.
    N_("You can still use the Joker"),
    // TRANSLATORS: host's advice; every help option is used up.
    N_("You have no Joker, Clue, or Gamble left"),
};

// A remark with one amount (or count) filled in, in the player's language.
std::u16string withAmount(const char* pattern, int amount) {
    return fillRemark(tr(pattern), amountText(amount));
}

std::u16string adviceLine(int pick, const Player& player, Random& random) {
    const int level = player.level;
    switch (pick) {
    case 0: {
        const int spent =
            (player.jokerUsed ? 1 : 0) | (player.clueUsed ? 2 : 0) | (player.gambleUsed ? 4 : 0);
        return tr(helpLeftLines[static_cast<std::size_t>(spent)]);
    }
    case 1:
        // TRANSLATORS: host's advice while a question is open.
        return tr("Take all the time you need");
    case 2:
        // TRANSLATORS: host's advice; %d is the prize of the open question.
        return withAmount(N_("This question is worth %d"), player.nextQuestionValue());
    case 3:
        if (level == 0) {
            // TRANSLATORS: host's advice on the first question.
            return tr("It's the first question. You have nothing to lose");
        }
        // TRANSLATORS: host's advice; %d is the amount a wrong answer would cost.
        return withAmount(N_("You could lose %d"), player.amountAtRisk());
    case 4: {
        const int first = guaranteedAmount(guaranteedRungs[0]);
        const int second = guaranteedAmount(guaranteedRungs[1]);
        if (level < guaranteedRungs[0]) {
            if (Host::coin(random)) {
                // TRANSLATORS: host's advice; %d is the first guaranteed amount (1000).
                return withAmount(N_("Let's get you up to %d..."), first);
            }
            // TRANSLATORS: host's advice; %d is the first guaranteed amount (1000).
            return withAmount(N_("Let's see if you can get to a guaranteed %d"), first);
        }
        if (level < guaranteedRungs[1]) {
            if (Host::coin(random)) {
                // TRANSLATORS: host's advice; %d is the guaranteed amount reached (1000 or 32000).
                return withAmount(N_("You are guaranteed to finish with at least %d"), first);
            }
            // TRANSLATORS: host's advice; %d is the second guaranteed amount (32000).
            return withAmount(N_("If you get to %d, you win at least that amount"), second);
        }
        // TRANSLATORS: host's advice; %d is the guaranteed amount reached (1000 or 32000).
        return withAmount(N_("You are guaranteed to finish with at least %d"), second);
    }
    case 5:
        if (level > 0 && isLevelWithoutRisk(level)) {
            // TRANSLATORS: host's advice where a wrong answer costs nothing.
            return tr("You may aswell go for it, you have nothing to lose!");
        }
        // TRANSLATORS: host's advice; %d is the number of questions left to the top prize.
        return fillRemark(trn("You are %d question away from a million",
                              "You are %d questions away from a million",
                              static_cast<unsigned long>(topRung - level)),
                          amountText(topRung - level));
    case 6:
        if (level == guaranteedRungs[0] - 1) {
            // TRANSLATORS: host's advice before the first guaranteed amount.
            return tr("This is an important question");
        }
        if (level == guaranteedRungs[1] - 1) {
            // TRANSLATORS: host's advice before the second guaranteed amount.
            return tr("This is a very important question");
        }
        if (level < guaranteedRungs[1]) {
            // TRANSLATORS: host's advice.
            return tr("Be careful. One wrong answer and it's all over");
        }
        // TRANSLATORS: host's advice on the last questions.
        return tr("You're playing for high stakes now");
    default:
        // Beyond the picks drawn: the table's own continuation.
        if (Host::coin(random) && level > 0) {
            // TRANSLATORS: host's advice; the first %d is the amount won so far, the
            // second the prize of the open question.
            return fillRemark(tr("You have %d, you're playing for %d"),
                              amountText(player.moneyWon()),
                              amountText(player.nextQuestionValue()));
        }
        // TRANSLATORS: host's advice; %d is the prize of the open question.
        return withAmount(N_("You are playing for %d"), player.nextQuestionValue());
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
        // TRANSLATORS: after a wrong answer; %d is the amount lost.
        return withAmount(N_("You've just lost %d"), player.amountAtRisk());
    }
    if (player.gambleLost) {
        // TRANSLATORS: after the Gamble (a help option) was lost.
        return tr("You gambled and lost. Unlucky");
    }
    if (guaranteedRungBelow(player.level) > 0) {
        if (Host::coin(random)) {
            // TRANSLATORS: after a wrong answer.
            return tr("That's the wrong answer. Unlucky, you were doing so well");
        }
        // TRANSLATORS: after a wrong answer; %d is the guaranteed amount kept.
        return withAmount(N_("That's the wrong answer. Never mind, you still have %d"),
                          player.leaveWithAmount());
    }
    // TRANSLATORS: after a wrong answer.
    return tr("That's incorrect. Better luck next time");
}

} // namespace

int Host::pick(Random& random, int n) {
    return static_cast<int>(random.between(0.0, n + 0.9999));
}

bool Host::compose(HostLine kind, Player& player, Random& random, std::u16string_view name,
                   bool lineOnScreen, std::u16string& line) {
    switch (kind) {
    case HostLine::Welcome:
        line = fillRemark(tr(welcomeLines[static_cast<std::size_t>(pick(random, 7))]), name);
        return true;
    case HostLine::FirstQuestion:
        // TRANSLATORS: the host before the first question; %s is the player's name.
        line = fillRemark(tr("%s, here is your first question..."), name);
        return true;
    case HostLine::NextQuestion:
        // TRANSLATORS: the host before each later question; %s is the player's name.
        line = fillRemark(tr("%s, here is your next question..."), name);
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
        const int amount = player.moneyWon();
        if (value == 5 && player.jokerAnswered) {
            // TRANSLATORS: after the Joker (a help option) gave the answer; %d is the amount won so
            // far.
            line = withAmount(N_("You used the Joker and have won %d!"), amount);
        } else if (value == 6 && player.jokerAnswered) {
            // TRANSLATORS: after the Joker (a help option) gave the answer; %d is the amount won so
            // far.
            line = withAmount(N_("The Joker has won you %d!"), amount);
        } else {
            line = withAmount(correctLines[static_cast<std::size_t>(value)], amount);
        }
        player.jokerAnswered = false;
        return true;
    }
    case HostLine::Leave: {
        const int value = pickAvoiding(random, 6, player.lastVerdict);
        line = withAmount(leaveLines[static_cast<std::size_t>(value)], player.leaveWithAmount());
        player.jokerAnswered = false;
        return true;
    }
    case HostLine::Wrong:
        player.lastVerdict = pickAvoiding(random, 5, player.lastVerdict);
        line = wrongLine(player, random);
        player.gambleLost = false;
        return true;
    case HostLine::ExplainJoker:
        // TRANSLATORS: shown while the pointer rests on the Joker button.
        line = tr("The Joker will select the correct answer for you");
        return true;
    case HostLine::ExplainClue:
        // TRANSLATORS: shown while the pointer rests on the Clue button.
        line = tr("The Clue will remove two wrong answers for you");
        return true;
    case HostLine::ExplainGamble:
        // TRANSLATORS: shown while the pointer rests on the Gamble button.
        line = tr("The Gamble will give you a 50/50 chance of continuing");
        return true;
    case HostLine::NothingToLose:
        // TRANSLATORS: the host where a wrong answer costs nothing.
        line = coin(random) ? tr("You may aswell select an answer, you have nothing to lose")
                            // TRANSLATORS: the host where a wrong answer costs nothing.
                            : tr("You won't lose anything, so why not take a guess");
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
    return fillPlaceholders(pattern, first, second);
}

std::u16string amountText(int amount) {
    return formatAmount(amount);
}

} // namespace qv
