// SPDX-License-Identifier: MIT
#include "game/play/Player.h"
#include "game/quiz/PrizeLadder.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// A player at the level, as the round leaves it.
struct At {
    explicit At(int level, bool taking = false) {
        player.level = level;
        player.taking = taking;
    }
    int amountAtRisk() const { return player.amountAtRisk(); }
    int leaveWithAmount() const { return player.leaveWithAmount(); }
    int nextQuestionValue() const { return player.nextQuestionValue(); }
    Player player;
};

At at(int level, bool taking = false) {
    return At(level, taking);
}

TEST(MoneyRules, AmountAtRiskFollowsTheGuaranteedSteps) {
    const int expected[16] = {0,    100,   200, 300,   500,   0,      1000,   3000,
                              7000, 15000, 0,   32000, 93000, 218000, 468000, 0};
    for (int level = 0; level <= 15; ++level) {
        EXPECT_EQ(at(level).amountAtRisk(), expected[level]) << "level " << level;
    }
    EXPECT_EQ(at(-1).amountAtRisk(), 0);
    EXPECT_EQ(at(16).amountAtRisk(), 0);
}

TEST(MoneyRules, LeavingKeepsEverythingOnlyWhenTaking) {
    EXPECT_EQ(at(4).leaveWithAmount(), 0);
    EXPECT_EQ(at(5).leaveWithAmount(), 1000);
    EXPECT_EQ(at(9).leaveWithAmount(), 1000);
    for (int level = 10; level <= 15; ++level) {
        EXPECT_EQ(at(level).leaveWithAmount(), 32000);
    }
    EXPECT_EQ(at(3, true).leaveWithAmount(), 300);
    EXPECT_EQ(at(15, true).leaveWithAmount(), 1000000);
    EXPECT_EQ(at(16).leaveWithAmount(), 0);
    EXPECT_EQ(at(-2, true).leaveWithAmount(), 0);
}

TEST(MoneyRules, TheQuestionPlayedIsWorthTheNextRung) {
    EXPECT_EQ(at(0).nextQuestionValue(), 100);
    EXPECT_EQ(at(9).nextQuestionValue(), 32000);
    EXPECT_EQ(at(14).nextQuestionValue(), 1000000);
    EXPECT_EQ(at(15).nextQuestionValue(), 1000000);
    EXPECT_EQ(at(16).nextQuestionValue(), 0);
    EXPECT_EQ(at(-1).nextQuestionValue(), 0);
    EXPECT_EQ(questionValue(0), 0);
    EXPECT_EQ(questionValue(16), 0);
}

TEST(MoneyRules, FinalScreensStartAtOneThousand) {
    for (int amount : {0, 100, 200, 300, 500}) {
        EXPECT_FALSE(hasFinalScreen(amount)) << amount;
        EXPECT_TRUE(fireworksFor(amount).empty());
    }
    EXPECT_EQ(fireworksFor(1000).size(), 1u);
    EXPECT_EQ(fireworksFor(16000).size(), 3u);
    EXPECT_EQ(fireworksFor(125000).size(), 4u);
    const auto top = fireworksFor(1000000);
    ASSERT_EQ(top.size(), 5u);
    EXPECT_FLOAT_EQ(top[4].maxSpeed, 50.0f);
    EXPECT_EQ(top[4].sparks, 800);
    EXPECT_FLOAT_EQ(top[4].fadeTime, 1.4f);
    EXPECT_EQ(winImagePath(32000), "Resources//32000win.tga");
    EXPECT_EQ(rungImagePath(15), "Resources//1000000.tga");
}

} // namespace
} // namespace qv::test
