// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "common/Cp1252.h"
#include "common/Utf16.h"

namespace qv {
namespace {

TEST(CodePage, EveryByteDecodesToOneUnitAndEncodesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    std::u16string text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256u);
    std::string back;
    ASSERT_TRUE(encodeCp1252(text, back));
    EXPECT_EQ(back, all);
}

TEST(CodePage, HighRangeFollowsTheWindowsTable) {
    EXPECT_EQ(cp1252ToUnicode(0x80), u'\u20AC'); // euro sign
    EXPECT_EQ(cp1252ToUnicode(0x92), u'\u2019'); // right single quote
    EXPECT_EQ(cp1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252ToUnicode(0xE9), u'\u00E9'); // Latin-1 above 0xA0
    // The five undefined bytes stand for the control characters of the same value.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(cp1252ToUnicode(static_cast<std::uint8_t>(b)), static_cast<char16_t>(b));
    }
}

TEST(CodePage, CharactersOutsideTheCodePageAreRefused) {
    std::string out;
    EXPECT_FALSE(encodeCp1252(u"caf\u00E9 \u4E2D", out));
    EXPECT_FALSE(unicodeToCp1252(0x0100).has_value());
    EXPECT_FALSE(unicodeToCp1252(0x1F600).has_value());
    EXPECT_FALSE(cp1252FromUtf8("\xE4\xB8\xAD", out));
    EXPECT_FALSE(cp1252FromUtf8("\xC3", out)); // cut short
    ASSERT_TRUE(cp1252FromUtf8("na\xC3\xAFve \xE2\x82\xAC", out));
    EXPECT_EQ(out, "na\xEFve \x80");
    EXPECT_EQ(utf8FromCp1252(out), "na\xC3\xAFve \xE2\x82\xAC");
}

TEST(Utf16, ConvertsBothWaysAndRejectsMalformedInput) {
    std::u16string wide;
    ASSERT_TRUE(utf16FromUtf8("Quiz \xF0\x9F\x98\x80 \xC3\xA9", wide));
    EXPECT_EQ(wide, u"Quiz \U0001F600 \u00E9");
    EXPECT_EQ(utf8FromUtf16(wide), "Quiz \xF0\x9F\x98\x80 \xC3\xA9");
    EXPECT_FALSE(utf16FromUtf8("\xC0\x80", wide));       // overlong
    EXPECT_FALSE(utf16FromUtf8("\xED\xA0\x80", wide));   // surrogate
    EXPECT_FALSE(utf16FromUtf8("abc\xE2\x82", wide));    // truncated
    EXPECT_EQ(utf16FromUtf8Lossy("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace qv
