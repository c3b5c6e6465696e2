// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/shell/Switches.h"

namespace qv {
namespace {

struct Parsed {
    Switches switches;
    std::vector<std::string> debug;
};

Parsed parse(std::vector<std::string_view> arguments) {
    Parsed p;
    p.switches =
        parseSwitches(arguments, [&](const std::string& line) { p.debug.push_back(line); });
    return p;
}

TEST(Switches, WindowedWithHyphenSlashOrNeither) {
    for (std::string_view token : {"-windowed", "/windowed", "windowed", "-WINDOWED"}) {
        const Parsed p = parse({token});
        EXPECT_TRUE(p.switches.windowed) << token;
        EXPECT_TRUE(p.debug.empty()) << token;
    }
    EXPECT_FALSE(parse({}).switches.windowed);
}

TEST(Switches, ValuesFollowAColonAndNamesIgnoreCase) {
    const Parsed p = parse({"-WIDTH:800", "/Height:600", "-startx:-20", "-adapter:1"});
    EXPECT_EQ(p.switches.width, 800);
    EXPECT_EQ(p.switches.height, 600);
    EXPECT_TRUE(p.switches.startXGiven);
    EXPECT_EQ(p.switches.startX, -20);
    EXPECT_FALSE(p.switches.startYGiven);
    EXPECT_EQ(p.switches.adapter, 1);
}

TEST(Switches, ANumberMayBeTheNextArgument) {
    const Parsed p = parse({"-windowed", "-quitafterframe", "10"});
    EXPECT_EQ(p.switches.quitAfterFrame, 10);
    EXPECT_TRUE(p.switches.windowed);
    EXPECT_TRUE(p.debug.empty());
    EXPECT_EQ(parse({"-quitafterframe:10"}).switches.quitAfterFrame, 10);
}

TEST(Switches, ASwitchWithoutItsValueIsSkipped) {
    const Parsed p = parse({"-width", "-height:", "-quitafterframe:ten", "-startx:12abc"});
    EXPECT_EQ(p.switches.width, 0);
    EXPECT_EQ(p.switches.height, 0);
    EXPECT_EQ(p.switches.quitAfterFrame, 0);
    EXPECT_FALSE(p.switches.startXGiven);
    EXPECT_TRUE(p.debug.empty());
    // A value too big for the number is no value.
    EXPECT_EQ(parse({"-width:99999999999999"}).switches.width, 0);
    // Nor does a following switch count as the value.
    const Parsed q = parse({"-width", "-windowed"});
    EXPECT_EQ(q.switches.width, 0);
    EXPECT_TRUE(q.switches.windowed);
}

TEST(Switches, ConstantFrameTimeValueIsOptional) {
    const Parsed bare = parse({"-constantframetime"});
    EXPECT_TRUE(bare.switches.constantFrameTime);
    EXPECT_FLOAT_EQ(bare.switches.constantFrameSeconds, 0.0333f);
    const Parsed given = parse({"-constantframetime:0.05"});
    EXPECT_FLOAT_EQ(given.switches.constantFrameSeconds, 0.05f);
    const Parsed next = parse({"-constantframetime", "0.02", "-windowed"});
    EXPECT_FLOAT_EQ(next.switches.constantFrameSeconds, 0.02f);
    EXPECT_TRUE(next.switches.windowed);
    // Time that stands still or runs backwards is refused; the default stays.
    for (std::string_view bad : {"-constantframetime:0", "-constantframetime:-1",
                                 "-constantframetime:nan", "-constantframetime:inf"}) {
        const Parsed p = parse({bad});
        EXPECT_TRUE(p.switches.constantFrameTime) << bad;
        EXPECT_FLOAT_EQ(p.switches.constantFrameSeconds, 0.0333f) << bad;
    }
}

TEST(Switches, NamesMatchByTheirBeginningInTableOrder) {
    // "windowedness" begins with "windowed"; "forcehwvpx" with "forcehwvp".
    const Parsed p = parse({"-windowedness", "-forcehwvpx", "-noerrormsgboxes", "-automation"});
    EXPECT_TRUE(p.switches.windowed);
    EXPECT_TRUE(p.switches.forceHwvp);
    EXPECT_FALSE(p.switches.forcePureHwvp);
    EXPECT_TRUE(p.switches.noErrorMessageBoxes);
    EXPECT_TRUE(p.switches.automation);
    // A token shorter than any name matches none.
    EXPECT_EQ(parse({"-window"}).debug.size(), 1u);
}

TEST(Switches, UnknownTokensAreReportedAndSkipped) {
    const Parsed p = parse({"-bogus", "/x:1", "", "-fullscreen"});
    ASSERT_EQ(p.debug.size(), 3u);
    EXPECT_EQ(p.debug[0], "Unrecognized flag: bogus");
    EXPECT_EQ(p.debug[1], "Unrecognized flag: x:1");
    EXPECT_TRUE(p.switches.fullScreen);
    // A number that no switch asked for is an unknown token too.
    EXPECT_EQ(parse({"-windowed", "10"}).debug, std::vector<std::string>{"Unrecognized flag: 10"});
}

TEST(Switches, NegativeSizesAndFrameCountsCountAsNotGiven) {
    const Parsed p = parse({"-width:-5", "-quitafterframe:-3"});
    EXPECT_EQ(p.switches.width, 0);
    EXPECT_EQ(p.switches.quitAfterFrame, 0);
}

} // namespace
} // namespace qv
