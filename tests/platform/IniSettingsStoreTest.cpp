// SPDX-License-Identifier: MIT
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "common/IniFile.h"
#include "platform/IniSettingsStore.h"
#include "platform/MemorySettingsStore.h"

namespace qv {
namespace {

using namespace std::string_literals;

class TempFolder {
public:
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("qv-platform-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
    IniFile ini;
    ini.parse("[Framework]\r\nSkip Warning On REF = 1\r\n; comment\n[other]\nx=2\n");
    ASSERT_NE(ini.find("framework", "skip warning on ref"), std::nullopt);
    EXPECT_EQ(*ini.find("FRAMEWORK", "Skip Warning On REF"), "1");
    EXPECT_EQ(*ini.find("Other", "X"), "2");
    EXPECT_EQ(ini.find("Framework", "x"), std::nullopt);
}

TEST(IniFile, FindsNothingInWhatItDoesNotUnderstand) {
    IniFile ini;
    // Keys before any section, a section without its bracket, lines without
    // '=', an empty key and a stray NUL.
    ini.parse("orphan=1\n[broken\nkey=2\n[ok]\nnot a pair\n=3\nk=v\0w\n"s);
    EXPECT_EQ(ini.find("", "orphan"), std::nullopt);
    EXPECT_EQ(ini.find("broken", "key"), std::nullopt);
    ASSERT_NE(ini.find("ok", "k"), std::nullopt);
    EXPECT_EQ(*ini.find("ok", "k"), "v\0w"s);
}

TEST(IniFile, ValuesStayOnOneLineAcrossARoundTrip) {
    IniFile ini;
    ini.setValue("S", "name", "two\nlines");
    ini.setValue("S", "other", "x");
    IniFile again;
    again.parse(ini.text());
    ASSERT_NE(again.find("S", "name"), std::nullopt);
    EXPECT_EQ(*again.find("S", "name"), "two lines");
    EXPECT_EQ(*again.find("S", "other"), "x");
}

TEST(IniSettingsStore, WritesCreateTheFolderAndKeepOtherEntries) {
    TempFolder temp;
    IniSettingsStore store(temp.path / "sub" / "Showfloor.ini");
    std::uint32_t value = 7;
    EXPECT_FALSE(store.readNumber("Framework", "Skip Warning On REF", value));
    EXPECT_EQ(value, 7u);
    ASSERT_TRUE(store.writeText("Other", "Path", "/opt/quizvale"));
    ASSERT_TRUE(store.writeNumber("Framework", "Skip Warning On REF", 1));
    EXPECT_TRUE(store.readNumber("framework", "skip warning on ref", value));
    EXPECT_EQ(value, 1u);
    std::string text;
    EXPECT_TRUE(store.readText("Other", "Path", text));
    EXPECT_EQ(text, "/opt/quizvale");
}

TEST(IniSettingsStore, AWriteKeepsWhatAUserWroteByHand) {
    TempFolder temp;
    const auto file = temp.path / "s.ini";
    ASSERT_TRUE(writeFileAtomically(file, "; my note\n[Framework]\nMine = yes\n"));
    IniSettingsStore store(file);
    ASSERT_TRUE(store.writeNumber("Framework", "Skip Warning On REF", 1));
    std::string text;
    ASSERT_TRUE(readWholeFile(file, text));
    EXPECT_EQ(text, "; my note\n[Framework]\nMine = yes\nSkip Warning On REF=1\n");
}

TEST(IniSettingsStore, ANumberMustBeWholeAndInRange) {
    TempFolder temp;
    const auto file = temp.path / "s.ini";
    ASSERT_TRUE(writeFileAtomically(file, "[F]\na=12x\nb=-1\nc=4294967296\nd=4294967295\n"));
    IniSettingsStore store(file);
    std::uint32_t value = 9;
    EXPECT_FALSE(store.readNumber("F", "a", value));
    EXPECT_FALSE(store.readNumber("F", "b", value));
    EXPECT_FALSE(store.readNumber("F", "c", value));
    EXPECT_EQ(value, 9u);
    EXPECT_TRUE(store.readNumber("F", "d", value));
    EXPECT_EQ(value, 4294967295u);
}

TEST(IniSettingsStore, AnUnreadableFileIsNotReplacedByOneEntry) {
    TempFolder temp;
    // A folder where the file should be cannot be read as a file.
    const auto file = temp.path / "s.ini";
    std::filesystem::create_directories(file);
    IniSettingsStore store(file);
    EXPECT_FALSE(store.writeNumber("F", "a", 1));
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(MemorySettingsStore, CanRefuseWrites) {
    MemorySettingsStore store;
    store.failWrites = true;
    EXPECT_FALSE(store.writeNumber("F", "a", 1));
    std::uint32_t value = 0;
    EXPECT_FALSE(store.readNumber("F", "a", value));
}

} // namespace
} // namespace qv
