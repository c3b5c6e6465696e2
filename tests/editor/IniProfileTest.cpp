// SPDX-License-Identifier: MIT
// The profile file: sections, keys, other lines kept, the XDG location.

#include "editor/model/IniProfile.h"
#include "common/IniFile.h"
#include "tests/editor/EditorDoubles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qv::test {
namespace {

TEST(IniFileTest, ReadsAndReplacesValuesKeepingOtherLines) {
    IniFile ini;
    ini.parse("; kept\r\n[previous question set]\r\n name = Old Set \r\nother=1\r\n\r\n"
              "[Previous Picture]\r\nPath=/p/a.jpg\r\n");
    EXPECT_EQ(ini.value("Previous Question Set", "Name"), "Old Set");
    EXPECT_EQ(ini.value("Previous Picture", "path"), "/p/a.jpg");
    EXPECT_EQ(ini.value("Previous Picture", "Missing"), "");
    EXPECT_EQ(ini.value("Missing", "Name"), "");
    ini.setValue("Previous Question Set", "Name", "New\r\nSet");
    ini.setValue("Previous Question Set", "Extra", "x");
    ini.setValue("Third", "Key", "y");
    EXPECT_EQ(ini.text(), "; kept\n[previous question set]\nName=New Set\nother=1\nExtra=x\n\n"
                          "[Previous Picture]\nPath=/p/a.jpg\n\n[Third]\nKey=y\n");
}

TEST(IniFileTest, AcceptsAnyBytes) {
    IniFile ini;
    ini.parse(std::string("[\0]\n=\n[a\n]]\nk=v=w\n\xff\xfe", 18));
    EXPECT_EQ(ini.value("", ""), "");
    ini.setValue("S", "K", "V");
    EXPECT_EQ(ini.value("S", "K"), "V");
}

TEST(IniProfileTest, LivesUnderTheXdgConfigFolder) {
    TempFolder home;
    std::string old = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    EXPECT_EQ(IniProfile::defaultLocation(), home.path() / "Quizvale" / "Setwright.INI");
    IniProfile profile(IniProfile::defaultLocation());
    EXPECT_EQ(profile.read("Previous Question Set", "Name"), "");
    EXPECT_TRUE(profile.write("Previous Question Set", "Name", "Quiz Night"));
    EXPECT_TRUE(profile.write("Previous Picture", "Path", "/home/a/B.jpg"));
    EXPECT_EQ(IniProfile(IniProfile::defaultLocation()).read("Previous Question Set", "Name"),
              "Quiz Night");
    EXPECT_EQ(
        readFile(profile.file()),
        "[Previous Question Set]\nName=Quiz Night\n\n[Previous Picture]\nPath=/home/a/B.jpg\n");
    if (old.empty()) {
        ::unsetenv("XDG_CONFIG_HOME");
    } else {
        ::setenv("XDG_CONFIG_HOME", old.c_str(), 1);
    }
}

// A profile that is there but cannot be read (here: far too large to be ours)
// must survive a write; replacing it would lose every other entry in it.
TEST(IniProfileTest, KeepsAProfileItCannotRead) {
    TempFolder folder;
    const auto file = folder.path() / "Setwright.INI";
    const std::string big = "[Previous Question Set]\nName=Kept\n" + std::string(2u << 20, ';');
    writeFile(file, big);
    IniProfile profile(file);
    EXPECT_FALSE(profile.write("Previous Picture", "Path", "/p/a.jpg"));
    EXPECT_EQ(readFile(file), big);
}

} // namespace
} // namespace qv::test
