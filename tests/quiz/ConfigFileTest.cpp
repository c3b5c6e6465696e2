// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/quiz/ConfigFile.h"

namespace qv {
namespace {

std::string le32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
}

std::string wide(std::u16string_view text) {
    std::string out = le32(static_cast<std::int32_t>(text.size()));
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

TEST(ConfigFile, TwoPlayersOnDefaultTakeFiftyFourBytes) {
    ConfigData config;
    config.soundEffectsOn = true;
    config.voiceOn = false;
    config.playerCount = 2;
    config.playerNames[0] = u"Ann";
    config.playerNames[1] = u"Benedikt";
    std::string bytes = serializeConfig(config);
    ASSERT_EQ(bytes.size(), 54u);
    EXPECT_EQ(bytes, std::string("\x01\x00", 2) + wide(u"Default") + le32(2) + wide(u"Ann") +
                         wide(u"Benedikt"));
    ConfigData back;
    ASSERT_TRUE(parseConfig(bytes, back));
    EXPECT_FALSE(back.voiceOn);
    EXPECT_EQ(back.playerCount, 2);
    EXPECT_EQ(back.playerNames[1], u"Benedikt");
    EXPECT_EQ(serializeConfig(back), bytes);
}

TEST(ConfigFile, HostileDataIsRefusedWhole) {
    const std::string head = std::string("\x00\x01", 2) + wide(u"Default");
    ConfigData untouched;
    untouched.playerNames[0] = u"keep";
    auto refused = [&](const std::string& bytes) {
        ConfigData out = untouched;
        bool ok = parseConfig(bytes, out);
        return !ok && out.playerNames[0] == u"keep" && out.playerCount == 1;
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(std::string("\x01", 1)));
    EXPECT_TRUE(refused(head + le32(0)));                              // no players
    EXPECT_TRUE(refused(head + le32(10) + std::string(200, '\0')));    // too many players
    EXPECT_TRUE(refused(head + le32(-3)));
    EXPECT_TRUE(refused(head + le32(2) + wide(u"Ann")));                // second name missing
    EXPECT_TRUE(refused(head + le32(1) + le32(-1)));                   // negative length
    EXPECT_TRUE(refused(head + le32(1) + le32(2000000000) + "ab"));    // length past the data
    EXPECT_TRUE(refused(head + le32(1) + wide(std::u16string(4096, u'x')))); // past the limit
    EXPECT_TRUE(refused(std::string("\x01\x01", 2) + wide(u"../../etc") + le32(1) + le32(0)));
    EXPECT_TRUE(refused(std::string("\x01\x01", 2) + wide(u"..") + le32(1) + le32(0)));
    EXPECT_TRUE(refused(std::string("\x01\x01", 2) + le32(0) + le32(1) + le32(0)));

    // The longest allowed name, and trailing bytes, are fine.
    ConfigData out;
    ASSERT_TRUE(parseConfig(head + le32(1) + wide(std::u16string(4095, u'x')) + "tail", out));
    EXPECT_EQ(out.playerNames[0].size(), 4095u);
    EXPECT_TRUE(out.voiceOn);
    EXPECT_FALSE(out.soundEffectsOn);
}

} // namespace
} // namespace qv
