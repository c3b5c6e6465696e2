// SPDX-License-Identifier: MIT
#include "game/play/Host.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qv::test {
namespace {

std::string narrow(const std::u16string& s) {
    return {s.begin(), s.end()};
}

std::string say(HostLine kind, Player& p, Random& random, bool onScreen = false) {
    std::u16string line = u"previous";
    EXPECT_TRUE(Host::compose(kind, p, random, u"Ann", onScreen, line));
    return narrow(line);
}

TEST(Host, AdviceNeverRepeatsItsPickAcrossQuestionsAndGames) {
    Random random;
    random.seed(7);
    Player p;
    std::set<int> seen;
    int previous = p.lastAdvice;
    for (int i = 0; i < 400; ++i) {
        p.level = i % 16;
        say(HostLine::Advice, p, random);
        EXPECT_NE(p.lastAdvice, previous);
        EXPECT_GE(p.lastAdvice, 0);
        EXPECT_LE(p.lastAdvice, 6);
        seen.insert(p.lastAdvice);
        previous = p.lastAdvice;
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(Host, AdviceWaitsWhileALineIsOnScreen) {
    Random random;
    random.seed(3);
    Player p;
    std::u16string line = u"still here";
    const auto state = random.state();
    EXPECT_FALSE(Host::compose(HostLine::Advice, p, random, u"Ann", true, line));
    EXPECT_EQ(line, u"still here");
    EXPECT_EQ(random.state(), state);
    EXPECT_EQ(p.lastAdvice, -1);
}

TEST(Host, AdviceAtLevelFiveSaysNothingIsAtRisk) {
    Random random;
    random.seed(21);
    Player p;
    p.level = 5;
    bool sawRisk = false;
    for (int i = 0; i < 200 && !sawRisk; ++i) {
        const std::string line = say(HostLine::Advice, p, random);
        if (p.lastAdvice == 3) {
            EXPECT_EQ(line, "You could lose 0");
            sawRisk = true;
        }
    }
    EXPECT_TRUE(sawRisk);
}

TEST(Host, WrongAnswersByWhatIsLost) {
    Random random;
    random.seed(11);
    Player p;
    p.level = 7;
    EXPECT_EQ(say(HostLine::Wrong, p, random), "You've just lost 3000");
    p.level = 11;
    p.gambleLost = true;
    EXPECT_EQ(say(HostLine::Wrong, p, random), "You've just lost 32000");
    EXPECT_FALSE(p.gambleLost);
    p.level = 3;
    p.gambleLost = true;
    EXPECT_EQ(say(HostLine::Wrong, p, random), "You gambled and lost. Unlucky");
    EXPECT_EQ(say(HostLine::Wrong, p, random), "That's incorrect. Better luck next time");
    p.level = 6;
    std::set<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        lines.insert(say(HostLine::Wrong, p, random));
    }
    EXPECT_EQ(lines,
              (std::set<std::string>{"That's the wrong answer. Never mind, you still have 1000",
                                     "That's the wrong answer. Unlucky, you were doing so well"}));
}

TEST(Host, VerdictsAvoidTheLastWrongPickOnly) {
    Random random;
    random.seed(5);
    Player p;
    for (int i = 0; i < 200; ++i) {
        p.level = 2;
        say(HostLine::Wrong, p, random);
        const int wrongPick = p.lastVerdict;
        p.level = 4;
        const std::string line = say(HostLine::Correct, p, random);
        EXPECT_EQ(p.lastVerdict, wrongPick);
        const char* byPick[7] = {"Great! ",     "Well done. ",   "Good play. ",
                                 "Fantastic. ", "Well played. ", "That's the correct",
                                 "Correct. "};
        EXPECT_NE(line.rfind(byPick[wrongPick], 0), 0u) << line;
    }
}

TEST(Host, JokerLinesOnlyForTheAnswerTheJokerChose) {
    Random random;
    random.seed(99);
    Player p;
    p.level = 6;
    std::set<std::string> withJoker;
    for (int i = 0; i < 300; ++i) {
        p.jokerAnswered = true;
        withJoker.insert(say(HostLine::Correct, p, random));
        EXPECT_FALSE(p.jokerAnswered);
        const std::string next = say(HostLine::Correct, p, random);
        EXPECT_EQ(next.find("Joker"), std::string::npos) << next;
    }
    EXPECT_TRUE(withJoker.count("You used the Joker and have won 2000!"));
    EXPECT_TRUE(withJoker.count("The Joker has won you 2000!"));
    EXPECT_FALSE(withJoker.count("Correct. You've just won 2000!"));
}

TEST(Host, HelpOptionsKeepThePreviousLineAndGambleDrawsOnce) {
    Random random;
    random.seed(9);
    Player p;
    for (HostLine kind : {HostLine::JokerTaken, HostLine::ClueTaken}) {
        const auto state = random.state();
        EXPECT_EQ(say(kind, p, random), "previous");
        EXPECT_EQ(random.state(), state);
    }
    Random copy = random;
    copy.next();
    EXPECT_EQ(say(HostLine::GambleTaken, p, random), "previous");
    EXPECT_EQ(random.state(), copy.state());
}

TEST(Host, FixedLinesCarryTheName) {
    Random random;
    Player p;
    EXPECT_EQ(say(HostLine::FirstQuestion, p, random), "Ann, here is your first question...");
    EXPECT_EQ(say(HostLine::NextQuestion, p, random), "Ann, here is your next question...");
    EXPECT_EQ(say(HostLine::ExplainGamble, p, random),
              "The Gamble will give you a 50/50 chance of continuing");
    p.level = 12;
    p.taking = true;
    const std::string leave = say(HostLine::Leave, p, random);
    EXPECT_NE(leave.find("125000!"), std::string::npos) << leave;
}

} // namespace
} // namespace qv::test
