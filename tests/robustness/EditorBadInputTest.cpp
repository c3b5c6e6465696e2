// SPDX-License-Identifier: MIT
// Setwright's model over hostile set files, and saves that cannot complete:
// it opens what a file holds, never crashes, and a failed save leaves the
// previous file whole and tells the user.

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/editor/EditorFixture.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

std::string withLineEnds(std::string set, const std::string& eol) {
    std::string out;
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (set.compare(i, 2, "\r\n") == 0) {
            out += eol;
            ++i;
        } else {
            out += set[i];
        }
    }
    return out;
}

class EditorBadInput : public EditorFixture {};

TEST_F(EditorBadInput, OpensWhatBrokenSetsHold) {
    const std::string good = setFileOf(15);
    std::string longLines = good;
    longLines.insert(longLines.find("Q1"), std::string(100000, 'x'));
    std::string nuls = good;
    for (std::size_t i = 5; i < nuls.size(); i += 11) {
        nuls[i] = '\0';
    }
    std::string random(8192, '\0');
    std::mt19937 generator(3);
    for (char& c : random) {
        c = static_cast<char>(generator() & 0xFF);
    }
    struct Case {
        const char* name;
        std::string bytes;
        int atLeast; // questions that must open
        int atMost;
    };
    const Case cases[] = {
        {"truncated", good.substr(0, good.size() / 2 + 3), 5, 8},
        {"count of two billion", "2000000000" + good.substr(good.find("\r\n")), 15, 15},
        {"lines of 100000 characters", longLines, 15, 15},
        {"NUL bytes", nuls, 0, 15},
        {"only LF line ends", withLineEnds(good, "\n"), 15, 15},
        {"only CR line ends", withLineEnds(good, "\r"), 0, 15},
        {"random bytes", random, 0, 15},
        {"empty", "", 0, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = "Bad" + std::to_string(n++);
        writeFile(setFile(name), c.bytes);
        editor.setSetName(name);
        ASSERT_TRUE(editor.loadSet());
        editor.showQuestion();
        EXPECT_GE(editor.questionCount(), c.atLeast);
        EXPECT_LE(editor.questionCount(), c.atMost);
        // Walk it, change it and save it: what was opened is written back
        // and opens again the same.
        editor.navigate(Navigation::First);
        editor.navigate(Navigation::TenOn);
        editor.navigate(Navigation::Last);
        if (editor.questionCount() > 0) {
            typeQuestion("Edited");
        }
        const int opened = editor.questionCount();
        ASSERT_TRUE(editor.save());
        ASSERT_TRUE(editor.loadSet());
        EXPECT_EQ(editor.questionCount(), opened);
        if (const EditorQuestion* first = editor.questions().find(0)) {
            EXPECT_LT(first->text.size(), 100000u);
        }
    }
}

// A small file system of its own at the set's folder.
class EditorSaveFault : public EditorFixture {
protected:
    void SetUp() override {
        folder = setsFolder / "Full";
        fs::create_directories(folder);
        if (::geteuid() != 0 || ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "needs root to mount a small file system";
        }
        mounted = true;
        original = setFileOf(20);
        writeFile(setFile("Full"), original);
        profile.values["Previous Question Set/Name"] = "Full";
        ASSERT_TRUE(editor.startUp());
        ASSERT_EQ(editor.questionCount(), 20);
    }
    void TearDown() override {
        if (mounted) {
            ::umount(folder.c_str());
        }
    }

    // Makes the set much longer than what it was, so the new file needs room.
    void growTheSet() {
        for (int i = 0; i < 200; ++i) {
            editor.newQuestion();
            typeQuestion(std::string(200, 'q') + std::to_string(i));
        }
    }

    void expectFailedSaveKeepsTheFile() {
        const std::size_t before = user.messages.size();
        EXPECT_FALSE(editor.save());
        ASSERT_EQ(user.messages.size(), before + 1);
        EXPECT_EQ(user.messages.back().title, editorText::saveErrorTitle);
        EXPECT_EQ(user.messages.back().text, editorText::saveErrorText);
        EXPECT_TRUE(editor.modified());
        EXPECT_EQ(readFile(setFile("Full")), original);
        // No half-written temporary file left beside it.
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string file = entry.path().filename().string();
            EXPECT_TRUE(file == "Full.txt" || file == "filler") << file;
        }
    }

    fs::path folder;
    bool mounted = false;
    std::string original;
};

TEST_F(EditorSaveFault, FullFolderKeepsThePreviousSet) {
    growTheSet();
    // Fill what is left of the file system.
    {
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::string block(1024, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
               filler.flush()) {
        }
    }
    expectFailedSaveKeepsTheFile();
    // With room again, the same edits are saved.
    fs::remove(folder / "filler");
    EXPECT_TRUE(editor.save());
    EXPECT_FALSE(editor.modified());
    EXPECT_NE(readFile(setFile("Full")), original);
}

TEST_F(EditorSaveFault, ReadOnlyFolderKeepsThePreviousSet) {
    typeQuestion("Changed");
    ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    expectFailedSaveKeepsTheFile();
    ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT, "size=64k"), 0);
    EXPECT_TRUE(editor.save());
}

} // namespace
} // namespace qv::test
