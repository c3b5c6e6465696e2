// SPDX-License-Identifier: MIT
// The menus of the built Showfloor driven as a user would, through automation
// mode on the dummy drivers: the settings, a new game with three named
// players, and quitting with Y; then the files the game left on disk.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

using test::le32;
using test::shellQuoted;
using test::stored;

class MenusRun : public ::testing::Test {
protected:
    void SetUp() override {
        // The game keeps its files beside itself: it runs from a copy of the
        // product folder, without any saved state.
        folder = test::freshTestFolder("qv-e2e-menus");
        resources = test::copyProductWithoutSavedState(QV_PRODUCT_FOLDER, folder);
        writeRecognisableSet();
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(folder);
        }
    }

    // Runs the copy with the script on standard input; returns the exit code
    // and keeps the dump lines.
    int run(const std::string& script) {
        std::ofstream(folder / "script.txt") << script;
        const std::string command =
            "cd " + shellQuoted(folder.string()) +
            " && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
            "XDG_CONFIG_HOME=" +
            shellQuoted(folder.string()) + " ./product/Showfloor -automation -windowed < script.txt" +
            " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        std::string out;
        readWholeFile(folder / "out.txt", out);
        readWholeFile(folder / "err.txt", errors);
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);) {
            dumps.push_back(line);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // "E2E": one question per rung, its right answer "right<k>" and its wrong
    // ones "wrong<k>...", so a test can choose either from what it sees.
    void writeRecognisableSet() {
        std::string text = "15\r\n";
        for (int k = 1; k <= 15; ++k) {
            const std::string n = std::to_string(k);
            text += "\r\nQuestion " + n + "\r\nright" + n + "\r\nwrong" + n + "a\r\nwrong" + n +
                    "b\r\nwrong" + n + "c\r\n1\r\n" + n + "\r\n0\r\n";
        }
        fs::create_directories(resources / "QuestionSets" / "E2E");
        std::ofstream(resources / "QuestionSets" / "E2E" / "E2E.txt", std::ios::binary) << text;
    }

    static bool has(const std::string& dump, const std::string& part) {
        return dump.find(part) != std::string::npos;
    }

    fs::path folder;
    fs::path resources;
    std::vector<std::string> dumps;
    std::string errors;
};

TEST_F(MenusRun, SettingsThreePlayersAndQuitWithYes) {
    // The pointer moves after the frame's buttons have seen it: they hover
    // over it one frame later, and a click comes after that.
    const auto clickAt = [](int x, int y) {
        return "move " + std::to_string(x) + " " + std::to_string(y) + "\nframes 2\nclick\n";
    };
    const auto erase = [](int count) {
        std::string keys;
        for (int i = 0; i < count; ++i) {
            keys += "key backspace\n";
        }
        return keys;
    };
    const std::string script =
        "seed 5\nframes 10\ndump\nshot title.png\n"
        // Settings: sound effects off, the next set.
        + clickAt(512, 700) + "wait 1.5\ndump\n" + clickAt(290, 390) + "wait 1\n" +
        clickAt(370, 544) + "wait 1.5\ndump\nshot settings.png\n" + clickAt(512, 690) +
        "wait 2\ndump\n"
        // A new game of three players.
        + clickAt(512, 650) + "wait 2\n" + clickAt(512, 454) + "wait 1\nclick\nwait 1.5\ndump\n" +
        clickAt(512, 690) +
        "wait 2.5\n"
        // The field starts with the stored name, "Player 1".
        + erase(8) +
        "key a\nkey n\nkey n\nframes 3\ndump\nshot names.png\nkey return\nwait 1.5\n"
        "key b\nhold shift\nkey o\nrelease shift\nkey b\nkey return\nwait 1.5\n"
        "key return\nwait 1.5\ndump\n"
        // Quit, answered with Y.
        "key escape\nwait 1\ndump\nkey y\nframes 5\n";
    ASSERT_EQ(run(script), 0) << errors;
    ASSERT_EQ(dumps.size(), 8u) << errors;

    EXPECT_TRUE(has(dumps[0], "\"screen\": \"Title\""));
    EXPECT_TRUE(has(dumps[0], "Resources//newgamebuttonoff.tga"));
    // No configuration yet: nothing to play again.
    EXPECT_FALSE(has(dumps[0], "Resources//playagainbuttonoff.tga"));

    EXPECT_TRUE(has(dumps[1], "\"screen\": \"Settings\"")) << dumps[1];
    EXPECT_TRUE(has(dumps[1], "\"text\": \"Sound effects ON\""));
    EXPECT_TRUE(has(dumps[2], "\"text\": \"Sound effects OFF\"")) << dumps[2];
    EXPECT_TRUE(has(dumps[2], "\"text\": \"Question Set: E2E\"")) << dumps[2];
    EXPECT_TRUE(has(dumps[3], "\"screen\": \"Title\""));
    // Without a configuration at start-up, play again stays hidden all run.
    EXPECT_FALSE(has(dumps[3], "Resources//playagainbuttonoff.tga"));

    EXPECT_TRUE(has(dumps[4], "\"text\": \"3\"")) << dumps[4];
    EXPECT_TRUE(has(dumps[5], "\"text\": \"ann")) << dumps[5];
    EXPECT_TRUE(has(dumps[5], "\"text\": \"Player 1, please"));
    EXPECT_TRUE(has(dumps[6], "\"screen\": \"Playing\"")) << dumps[6];
    EXPECT_TRUE(has(dumps[7], "\"quitConfirm\": true"));
    EXPECT_TRUE(has(dumps[7], "Resources//quit.tga"));

    std::string config;
    ASSERT_TRUE(readWholeFile(resources / "Config.txt", config));
    const std::string expected = std::string("\x00\x01", 2) + stored("E2E") +
                                 le32(3) + stored("ann") + stored("bOb") +
                                 stored("Player 3");
    EXPECT_EQ(config, expected);

    // The set left keeps its play state: nothing was asked from it. The set
    // of the game holds at most the first player's first question.
    std::string state;
    ASSERT_TRUE(readWholeFile(resources / "QStateDefault.bin", state));
    ASSERT_GE(state.size(), 4u);
    const auto count = static_cast<std::size_t>(static_cast<unsigned char>(state[0])) |
                       static_cast<std::size_t>(static_cast<unsigned char>(state[1])) << 8;
    EXPECT_EQ(state.size(), 4 + count);
    EXPECT_EQ(state.find_first_not_of('\0', 4), std::string::npos);
    ASSERT_TRUE(readWholeFile(resources / "QStateE2E.bin", state));
    ASSERT_EQ(state.size(), 4u + 15u);
    EXPECT_EQ(state.substr(0, 4), std::string("\x0f\0\0\0", 4));
    EXPECT_LE(std::count(state.begin() + 4, state.end(), '\x01'), 1);
}

} // namespace
} // namespace qv
