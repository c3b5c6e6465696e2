// SPDX-License-Identifier: MIT
// A whole game of three saved players on the built Showfloor, played by
// reading what the game shows: the first answers right and later leaves with
// her money, the second answers wrong, the third uses every help option.
// Then the results, back to the title, and quitting with Shift+Y. And two
// runs of one script, which must see the same questions in the same order.

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <utility>
#include <vector>
#include <string>

#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// Where the `index`-th player's record starts in the dump.
std::size_t playerRecord(const std::string& dump, int index) {
    std::size_t at = dump.find("\"players\": [");
    for (int i = 0; at != std::string::npos && i <= index; ++i) {
        at = dump.find("{\"name\": ", at + 1);
    }
    return at;
}

struct Shown {
    double x = 0;
    double y = 0;
};

// The first shown text that starts with `prefix`.
bool findText(const std::string& dump, const std::string& prefix, Shown& shown) {
    const std::size_t at = dump.find("\"text\": \"" + prefix);
    if (at == std::string::npos) {
        return false;
    }
    shown.x = std::strtod(dump.c_str() + dump.find("\"x\": ", at) + 5, nullptr);
    shown.y = std::strtod(dump.c_str() + dump.find("\"y\": ", at) + 5, nullptr);
    return true;
}

class WholeGame : public ::testing::Test {
protected:
    void SetUp() override {
        folder = freshTestFolder("qv-e2e-whole-game");
        resources = copyProductWithoutSavedState(QV_PRODUCT_FOLDER, folder);
        writeSet();
    }
    void TearDown() override {
        if (!HasFailure()) {
            fs::remove_all(folder);
        }
    }

    // "E2E", one question a rung, answers "right<k>" and "wrong<k>...", and
    // the saved players on it, sound off.
    void writeSet() {
        std::string set = "15\r\n";
        for (int k = 1; k <= 15; ++k) {
            const std::string n = std::to_string(k);
            set += "\r\nQuestion " + n + "\r\nright" + n + "\r\nwrong" + n + "a\r\nwrong" + n +
                   "b\r\nwrong" + n + "c\r\n1\r\n" + n + "\r\n0\r\n";
        }
        fs::create_directories(resources / "QuestionSets" / "E2E");
        std::ofstream(resources / "QuestionSets" / "E2E" / "E2E.txt", std::ios::binary) << set;
        std::ofstream(resources / "Config.txt", std::ios::binary) << config();
    }

    static std::string config() {
        return std::string("\x00\x01", 2) + stored("E2E") + le32(3) + stored("Ann") +
               stored("Bob") + stored("Cy");
    }

    void clickAt(ShowfloorSession& game, int x, int y) {
        game.send("move " + std::to_string(x) + " " + std::to_string(y) + "\nframes 2\nclick\n");
    }

    // Clicks the answer button beside the shown answer that starts with
    // `prefix`; false when no such answer is shown.
    bool clickAnswer(ShowfloorSession& game, const std::string& dump, const std::string& prefix) {
        Shown text;
        if (!findText(dump, prefix, text)) {
            return false;
        }
        // Answers A and C stand left, B and D right; A and B above.
        const int x = text.x < 100 ? 209 : 589;
        const int y = text.y < 150 ? 661 : 719;
        clickAt(game, x, y);
        return true;
    }

    fs::path folder;
    fs::path resources;
};

TEST_F(WholeGame, ThreePlayersToTheResultsAndBackToTheTitle) {
    ShowfloorSession game(folder / "product" / "Showfloor", folder);
    ASSERT_TRUE(game.running());
    game.send("seed 3\nframes 10\n");
    std::string dump = game.dump();
    ASSERT_NE(dump.find("Resources//playagainbuttonoff.tga"), std::string::npos) << dump;
    clickAt(game, 512, 600);

    // What each player does whenever the game waits for an answer.
    std::map<int, std::deque<std::string>> plans{
        {0, {"right", "take"}},
        {1, {"wrong"}},
        {2, {"joker", "clue", "right", "gamble", "wrong"}},
    };
    const std::map<std::string, std::pair<int, int>> helpButtons{
        {"take", {659, 69}}, {"joker", {763, 69}}, {"clue", {859, 69}}, {"gamble", {955, 69}}};
    int actions = 0;
    for (int poll = 0; poll < 2000; ++poll) {
        game.send("wait 0.25\n");
        dump = game.dump();
        ASSERT_FALSE(dump.empty()) << "the game ended early";
        if (dump.find("\"screen\": \"GameOver\"") != std::string::npos) {
            break;
        }
        if (dump.find("Resources//endbuttonoff.tga") != std::string::npos) {
            clickAt(game, 399, 480);
            game.send("wait 1\n");
            continue;
        }
        if (dump.find("\"screen\": \"Playing\"") == std::string::npos) {
            continue;
        }
        const int current = static_cast<int>(numberAfter(dump, "currentPlayer"));
        const std::size_t record = playerRecord(dump, current);
        ASSERT_NE(record, std::string::npos) << dump;
        if (numberAfter(dump, "roundState", record) != 8) {
            continue;
        }
        auto& plan = plans[current];
        ASSERT_FALSE(plan.empty()) << "player " << current << " asked again: " << dump;
        const std::string step = plan.front();
        plan.pop_front();
        ++actions;
        if (step == "right" || step == "wrong") {
            ASSERT_TRUE(clickAnswer(game, dump, step)) << dump;
        } else {
            const auto [x, y] = helpButtons.at(step);
            clickAt(game, x, y);
        }
        // Until the choice has been taken.
        for (int wait = 0; wait < 40; ++wait) {
            game.send("wait 0.25\n");
            const std::string after = game.dump();
            if (numberAfter(after, "roundState", playerRecord(after, current)) != 8 ||
                numberAfter(after, "currentPlayer") != current) {
                break;
            }
        }
    }
    ASSERT_NE(dump.find("\"screen\": \"GameOver\""), std::string::npos) << dump;
    EXPECT_TRUE(plans[0].empty());
    EXPECT_TRUE(plans[1].empty());
    // The third player's gamble either won (and the last answer was wrong)
    // or lost.
    EXPECT_LE(plans[2].size(), 1u);

    game.send("wait 3\n");
    dump = game.dump();
    EXPECT_NE(dump.find("\"text\": \"Ann won 100\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"text\": \"Bob won 0\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"text\": \"Cy won 0\""), std::string::npos) << dump;

    clickAt(game, 512, 690);
    game.send("wait 3\n");
    dump = game.dump();
    EXPECT_NE(dump.find("\"screen\": \"Title\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("Resources//playagainbuttonoff.tga"), std::string::npos) << dump;

    game.send("key escape\nwait 0.5\nhold shift\nkey y\nrelease shift\nframes 3\n");
    EXPECT_EQ(game.finish(), 0);

    std::string saved;
    ASSERT_TRUE(readWholeFile(resources / "Config.txt", saved));
    EXPECT_EQ(saved, config());
    // One question per turn was marked used: six turns, or seven when the
    // gamble was won.
    ASSERT_TRUE(readWholeFile(resources / "QStateE2E.bin", saved));
    ASSERT_EQ(saved.size(), 4u + 15u);
    EXPECT_EQ(saved.substr(0, 4), le32(15));
    const auto used = std::count(saved.begin() + 4, saved.end(), '\x01');
    EXPECT_EQ(used + std::count(saved.begin() + 4, saved.end(), '\0'), 15);
    EXPECT_GE(used, 6);
    EXPECT_LE(used, 7);
}

// The answers of the first questions, in the order the game shows them, of
// one run that always answers right.
std::vector<std::string> answerOrders(ShowfloorSession& game, int questions) {
    std::vector<std::string> orders;
    game.send("seed 3\nframes 10\nmove 512 600\nframes 2\nclick\n");
    for (int poll = 0; poll < 600 && static_cast<int>(orders.size()) < questions; ++poll) {
        game.send("wait 0.5\n");
        const std::string dump = game.dump();
        const std::optional<Json> shown = Json::parse(dump);
        if (!shown) {
            break;
        }
        const Json& players = (*shown)["players"];
        const Json& current = players[static_cast<std::size_t>((*shown)["currentPlayer"].integer())];
        if ((*shown)["screen"].string != "Playing" || current["roundState"].integer() != 8) {
            continue;
        }
        std::string order;
        Shown right;
        for (const auto& [x, y] : {std::pair{40, 138}, {231, 138}, {40, 167}, {231, 167}}) {
            for (const Json& d : (*shown)["drawables"].items) {
                if (d["kind"].string == "text" && d["x"].number == x && d["y"].number == y) {
                    order += d["text"].string + " ";
                }
            }
        }
        orders.push_back(order);
        if (!findText(dump, "right", right)) {
            break;
        }
        game.send("move " + std::to_string(right.x < 100 ? 209 : 589) + " " +
                  std::to_string(right.y < 150 ? 661 : 719) + "\nframes 2\nclick\nwait 4\n");
    }
    return orders;
}

// The set's answers are shuffled before the script's first command is read;
// two runs of one script must still see the same game.
TEST_F(WholeGame, TheSameScriptPlaysTheSameGame) {
    std::vector<std::string> runs[2];
    for (auto& orders : runs) {
        resources = copyProductWithoutSavedState(QV_PRODUCT_FOLDER, folder);
        writeSet();
        ShowfloorSession game(folder / "product" / "Showfloor", folder);
        ASSERT_TRUE(game.running());
        orders = answerOrders(game, 4);
        ASSERT_EQ(orders.size(), 4u) << game.errors();
    }
    EXPECT_EQ(runs[0], runs[1]);
}

} // namespace
} // namespace qv::test
