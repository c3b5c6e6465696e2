// SPDX-License-Identifier: MIT
// Texts and amounts in a language whose catalogue is made here: amounts take
// the grouping the catalogue's samples show (and none from a sample that is
// not an amount), placeholders may change places, plural forms follow the
// catalogue's rule, and a change of language is counted.

#include "common/Translate.h"
#include "common/Utf16.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qv {
namespace {

namespace fs = std::filesystem;

class TranslateTest : public ::testing::Test {
protected:
    // Compiles `entries` (PO text) as the catalogue of language `code`.
    void makeCatalogue(const std::string& code, const std::string& entries,
                       const std::string& pluralForms = "nplurals=2; plural=(n != 1);") {
        const fs::path messages = folder / code / "LC_MESSAGES";
        fs::create_directories(messages);
        const fs::path po = folder / (code + ".po");
        std::ofstream(po) << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n"
                             "Plural-Forms: "
                          << pluralForms << "\\n\"\n\n"
                          << entries;
        const std::string command = "msgfmt --check -o '" + (messages / "showfloor.mo").string() +
                                    "' '" + po.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << entries;
    }

    static std::string amount(long long n) { return utf8FromUtf16(formatAmount(n)); }

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("qv-translate-test-" +
                  std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        i18n::chooseLanguage("");
        fs::remove_all(folder);
    }

    fs::path folder;
};

constexpr const char* groupedSamples =
    "msgctxt \"amount with four digits, grouped as the language writes it\"\n"
    "msgid \"1000\"\nmsgstr \"1.000\"\n\n"
    "msgctxt \"amount with seven digits, grouped as the language writes it\"\n"
    "msgid \"1000000\"\nmsgstr \"1.000.000\"\n\n";

TEST_F(TranslateTest, AmountsAreGroupedAsTheCataloguesSamplesShow) {
    // English, without any catalogue: the digits as the game always showed them.
    i18n::setUp(folder, i18n::gameDomain);
    i18n::chooseLanguage("");
    EXPECT_EQ(amount(1000), "1000");
    EXPECT_EQ(amount(32000), "32000");
    EXPECT_EQ(amount(1000000), "1000000");

    makeCatalogue("xa", groupedSamples);
    // Four-digit amounts left whole, longer ones grouped by a narrow space.
    makeCatalogue("xb", "msgctxt \"amount with four digits, grouped as the language writes it\"\n"
                        "msgid \"1000\"\nmsgstr \"1000\"\n\n"
                        "msgctxt \"amount with seven digits, grouped as the language writes it\"\n"
                        "msgid \"1000000\"\nmsgstr \"1\u202F000\u202F000\"\n\n");
    // A sample that is no amount gives no separator rather than a wrong one.
    makeCatalogue("xc", "msgctxt \"amount with seven digits, grouped as the language writes it\"\n"
                        "msgid \"1000000\"\nmsgstr \"1.000,000\"\n\n");
    const std::uint32_t before = i18n::languageGeneration();
    i18n::chooseLanguage("xa");
    EXPECT_NE(i18n::languageGeneration(), before);
    EXPECT_EQ(amount(0), "0");
    EXPECT_EQ(amount(100), "100");
    EXPECT_EQ(amount(1000), "1.000");
    EXPECT_EQ(amount(32000), "32.000");
    EXPECT_EQ(amount(125000), "125.000");
    EXPECT_EQ(amount(1000000), "1.000.000");
    EXPECT_EQ(amount(-64000), "-64.000");

    i18n::chooseLanguage("xb");
    EXPECT_EQ(amount(1000), "1000");
    EXPECT_EQ(amount(32000), "32\u202F000");
    EXPECT_EQ(amount(1000000), "1\u202F000\u202F000");

    i18n::chooseLanguage("xc");
    EXPECT_EQ(amount(1000000), "1000000");

    // Back to the session: English again.
    i18n::chooseLanguage("");
    EXPECT_EQ(amount(32000), "32000");
}

TEST_F(TranslateTest, PlaceholdersMayChangePlacesAndPluralsFollowTheCatalogue) {
    makeCatalogue("xd",
                  "msgid \"You have %d, you're playing for %d\"\n"
                  "msgstr \"For %2$d you play, %1$d you have\"\n\n"
                  "msgid \"%s wins!\"\nmsgstr \"Won: %s\"\n\n"
                  "msgid \"You are %d question away from a million\"\n"
                  "msgid_plural \"You are %d questions away from a million\"\n"
                  "msgstr[0] \"%d: one\"\nmsgstr[1] \"%d: few\"\nmsgstr[2] \"%d: many\"\n\n",
                  "nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || "
                  "n%100>=20) ? 1 : 2);");
    i18n::setUp(folder, i18n::gameDomain);
    i18n::chooseLanguage("xd");
    EXPECT_EQ(i18n::chosenLanguage(), "xd");
    EXPECT_EQ(
        utf8FromUtf16(fillPlaceholders(tr("You have %d, you're playing for %d"), u"1000", u"2000")),
        "For 2000 you play, 1000 you have");
    EXPECT_EQ(utf8FromUtf16(fillPlaceholders(tr("%s wins!"), u"Ann")), "Won: Ann");
    EXPECT_EQ(fillPlaceholders(std::string_view(tr8("%s wins!")), "Ann"), "Won: Ann");
    const auto away = [](unsigned long n) {
        return utf8FromUtf16(fillPlaceholders(trn("You are %d question away from a million",
                                                  "You are %d questions away from a million", n),
                                              utf16FromUtf8Lossy(std::to_string(n))));
    };
    EXPECT_EQ(away(1), "1: one");
    EXPECT_EQ(away(3), "3: few");
    EXPECT_EQ(away(12), "12: many");
    EXPECT_EQ(away(22), "22: few");
    // A text the catalogue does not hold stays English.
    EXPECT_EQ(utf8FromUtf16(tr("No winner this time")), "No winner this time");

    i18n::chooseLanguage("");
    EXPECT_EQ(away(1), "You are 1 question away from a million");
    EXPECT_EQ(away(14), "You are 14 questions away from a million");
}

TEST_F(TranslateTest, LanguageCodesFromFilesAreCheckedBeforeUse) {
    for (const char* good : {"de", "pt_BR", "sr@latin", "qps", "de_DE.UTF-8"}) {
        EXPECT_TRUE(i18n::isLanguageCode(good)) << good;
    }
    for (const char* bad : {"", "../de", "de/..", "de:fr", "1de", "de fr", "\xc3\xa9",
                            "abcdefghijklmnopqrstuvwxyzabcdefg"}) {
        EXPECT_FALSE(i18n::isLanguageCode(bad)) << bad;
    }
}

} // namespace
} // namespace qv
