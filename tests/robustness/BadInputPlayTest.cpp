// SPDX-License-Identifier: MIT
// Hostile files under the real Showfloor: broken sets, a configuration of
// random bytes, a play state longer than its set, a Resources folder without
// its pictures and sounds or with garbage in their place. Each run plays what
// the game offers through automation mode and must end with exit code 0.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <utility>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/ShowfloorSession.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// Fifteen complete questions, one per rung, every line ended by `eol`. The
// right answer is "right<k>", the others "wrong<k>...", so the player who
// always picks a wrong one loses at once and a run stays short.
std::string wholeSet(const std::string& eol = "\r\n", const std::string& count = "15") {
    std::string set = count + eol;
    for (int k = 1; k <= 15; ++k) {
        const std::string n = std::to_string(k);
        set += eol + "Question " + n + eol + "wrong" + n + "a" + eol + "right" + n + eol + "wrong" +
               n + "c" + eol + "wrong" + n + "d" + eol + "2" + eol + n + eol + "0" + eol;
    }
    return set;
}

bool isPictureOrSound(const fs::path& file) {
    const std::string ext = file.extension().string();
    for (const char* known : {".tga", ".bmp", ".png", ".jpg", ".jpeg", ".wav", ".ogg", ".mp3"}) {
        if (ext.size() == std::string(known).size() &&
            std::equal(ext.begin(), ext.end(), known,
                       [](char a, char b) { return std::tolower(a) == b; })) {
            return true;
        }
    }
    return false;
}

// The answer button beside a shown answer text "wrong...", or A's when no
// such text is shown.
std::pair<int, int> wrongAnswerButton(const std::string& dump) {
    const std::optional<Json> shown = Json::parse(dump);
    if (shown) {
        for (const Json& d : (*shown)["drawables"].items) {
            if (d["kind"].string != "text" || d["text"].string.rfind("wrong", 0) != 0) {
                continue;
            }
            // The answers: A at (40, 138), B at (231, 138), C and D below.
            const double x = d["x"].number;
            const double y = d["y"].number;
            if ((x == 40 || x == 231) && (y == 138 || y == 167)) {
                return {x < 100 ? 209 : 589, y < 150 ? 661 : 719};
            }
        }
    }
    return {209, 661};
}

struct Outcome {
    bool sawPlaying = false;
    bool sawGameOver = false;
    int answered = 0;
    int exitCode = -1;
};

class BadInputPlay : public ::testing::Test {
protected:
    void SetUp() override {
        folder = freshTestFolder("qv-robust");
        resources = copyProductWithoutSavedState(QV_PRODUCT_FOLDER, folder);
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(folder);
        }
    }

    // The set `Bad` with `bytes`, chosen in the configuration with one player.
    void useSet(const std::string& bytes) {
        fs::create_directories(resources / "QuestionSets" / "Bad");
        fs::remove(resources / "QStateBad.bin");
        std::ofstream(resources / "QuestionSets" / "Bad" / "Bad.txt", std::ios::binary) << bytes;
        std::ofstream(resources / "Config.txt", std::ios::binary)
            << std::string("\x00\x01", 2) + stored("Bad") + le32(1) + stored("Ann");
    }

    // Starts a game from the title, picks a wrong answer (A when it cannot
    // tell) whenever asked, presses the end button when shown, goes back to
    // the title from the results and quits.
    Outcome play() {
        Outcome outcome;
        ShowfloorSession game(folder / "product" / "Showfloor", folder);
        EXPECT_TRUE(game.running());
        game.send("seed 7\nframes 10\n");
        std::string dump = game.dump();
        EXPECT_FALSE(dump.empty()) << "no title";
        game.send("move 512 600\nframes 2\nclick\n");
        int idle = 0;
        for (int poll = 0; poll < 240 && !dump.empty() && idle < 24; ++poll) {
            game.send("wait 0.25\n");
            dump = game.dump();
            if (dump.find("\"screen\": \"GameOver\"") != std::string::npos) {
                outcome.sawGameOver = true;
                game.send("wait 3\nmove 512 690\nframes 2\nclick\nwait 3\n");
                break;
            }
            if (dump.find("Resources//endbuttonoff.tga") != std::string::npos) {
                game.send("move 399 480\nframes 2\nclick\nwait 1\n");
                continue;
            }
            if (dump.find("\"screen\": \"Playing\"") == std::string::npos) {
                // Whatever else is shown (name entry, settings): go on
                // clicking where the title's play button is.
                ++idle;
                if (poll % 20 == 19) {
                    game.send("move 512 600\nframes 2\nclick\n");
                }
                continue;
            }
            outcome.sawPlaying = true;
            const std::size_t players = dump.find("\"players\": [");
            if (numberAfter(dump, "roundState", players) == 8) {
                const auto [x, y] = wrongAnswerButton(dump);
                game.send("move " + std::to_string(x) + " " + std::to_string(y) +
                          "\nframes 2\nclick\nwait 1\n");
                ++outcome.answered;
            }
        }
        EXPECT_FALSE(dump.empty()) << "the game ended by itself";
        game.send("key escape\nwait 0.5\nhold shift\nkey y\nrelease shift\nframes 3\n");
        outcome.exitCode = game.finish();
        std::string errors;
        readWholeFile(folder / "err.txt", errors);
        EXPECT_EQ(errors.find("Sanitizer"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
        return outcome;
    }

    fs::path folder;
    fs::path resources;
};

TEST_F(BadInputPlay, BrokenSetsPlayWhatTheyHold) {
    struct Case {
        const char* name;
        std::function<std::string()> bytes;
        bool playable;
    };
    const Case cases[] = {
        {"truncated mid-question",
         [] {
             const std::string s = wholeSet();
             return s.substr(0, s.size() * 2 / 3 + 5);
         },
         true},
        {"a count of two billion", [] { return wholeSet("\r\n", "2000000000"); }, true},
        {"lines of 100000 characters",
         [] {
             std::string s = wholeSet();
             const std::string longText(100000, 'x');
             for (std::size_t at = s.find("Question "); at != std::string::npos;
                  at = s.find("Question ", at + longText.size() + 1)) {
                 s.insert(at, longText);
             }
             return s;
         },
         true},
        {"NUL bytes",
         [] {
             std::string s = wholeSet();
             for (std::size_t i = 7; i < s.size(); i += 13) {
                 s[i] = '\0';
             }
             return s;
         },
         false},
        {"only LF line ends", [] { return wholeSet("\n"); }, false},
        {"empty", [] { return std::string(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useSet(c.bytes());
        const Outcome outcome = play();
        EXPECT_EQ(outcome.exitCode, 0);
        if (c.playable) {
            EXPECT_TRUE(outcome.sawPlaying);
            EXPECT_GT(outcome.answered, 0);
            EXPECT_TRUE(outcome.sawGameOver);
        }
    }
}

TEST_F(BadInputPlay, ConfigurationOfRandomBytes) {
    std::mt19937 random(12);
    for (std::size_t size : {5u, 4096u}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (char& b : bytes) {
            b = static_cast<char>(random() & 0xFF);
        }
        std::ofstream(resources / "Config.txt", std::ios::binary) << bytes;
        EXPECT_EQ(play().exitCode, 0);
    }
}

TEST_F(BadInputPlay, PlayStateClaimingMoreQuestionsThanTheSet) {
    useSet(wholeSet());
    std::string state = le32(100000) + std::string(100000, '\0');
    std::ofstream(resources / "QStateBad.bin", std::ios::binary) << state;
    const Outcome outcome = play();
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.sawPlaying);
    EXPECT_TRUE(outcome.sawGameOver);
    // And a state whose count is far beyond what the file holds.
    std::ofstream(resources / "QStateBad.bin", std::ios::binary) << le32(2000000000) + "\x01";
    EXPECT_EQ(play().exitCode, 0);
}

TEST_F(BadInputPlay, EveryPictureAndSoundMissing) {
    useSet(wholeSet());
    std::vector<fs::path> media;
    for (const auto& entry : fs::recursive_directory_iterator(resources)) {
        if (entry.is_regular_file() && isPictureOrSound(entry.path())) {
            media.push_back(entry.path());
        }
    }
    ASSERT_FALSE(media.empty());
    for (const fs::path& file : media) {
        fs::remove(file);
    }
    const Outcome outcome = play();
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.sawPlaying);
    EXPECT_GT(outcome.answered, 0);
    EXPECT_TRUE(outcome.sawGameOver);
}

TEST_F(BadInputPlay, EveryPictureAndSoundReplacedByGarbage) {
    useSet(wholeSet());
    std::mt19937 random(5);
    int replaced = 0;
    for (const auto& entry : fs::recursive_directory_iterator(resources)) {
        if (!entry.is_regular_file() || !isPictureOrSound(entry.path())) {
            continue;
        }
        // Same name, same size where small, bytes of no format at all;
        // every third one keeps its first bytes so the header looks right.
        std::string bytes;
        readWholeFile(entry.path(), bytes);
        const std::size_t keep = replaced % 3 == 0 ? std::min<std::size_t>(bytes.size(), 18) : 0;
        for (std::size_t i = keep; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(random() & 0xFF);
        }
        if (bytes.size() > 65536) {
            bytes.resize(65536);
        }
        std::ofstream(entry.path(), std::ios::binary | std::ios::trunc) << bytes;
        ++replaced;
    }
    ASSERT_GT(replaced, 0);
    const Outcome outcome = play();
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.sawPlaying);
    EXPECT_GT(outcome.answered, 0);
    EXPECT_TRUE(outcome.sawGameOver);
}

} // namespace
} // namespace qv::test
