// SPDX-License-Identifier: MIT
#pragma once
// The fixture of the games played with keys: the marked question set, where
// the answers and help buttons are, and readers of what the dump shows.

#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace qv::test {

namespace fs = std::filesystem;

inline constexpr int announceQuestion = 2;
inline constexpr int awaitAnswer = 8;
inline constexpr int commit = 9;
inline constexpr int correctState = 23;
inline constexpr int leaveState = 22;
inline constexpr int finalState = 25;

struct Place {
    double x = 0;
    double y = 0;
};

// The answers' texts and buttons, A to D.
struct AnswerSpot {
    double textX, textY;
    Place button;
};
inline constexpr AnswerSpot answerSpots[4] = {
    {40, 138, {209, 661}}, {231, 138, {589, 661}}, {40, 167, {209, 719}}, {231, 167, {589, 719}}};
inline constexpr Place takePlace{659, 69};
inline constexpr Place cluePlace{859, 69};
inline constexpr Place endPlace{399, 480};

class KeysOnly : public WholeGameTest {
protected:
    KeysOnly() : WholeGameTest("qv-e2e-keys", "Keys") {}

    void SetUp() override {
        WholeGameTest::SetUp();
        // Two questions a rung; the correct answer starts with '*'.
        writeMarkedQuestionSet(resources(), "Keys", 3, false, "");
    }

    std::string savedConfig() const {
        std::ifstream in(resources() / "Config.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void start(const std::vector<std::string>& names) { startAtTitle(names); }

    void send(const std::string& lines) { session_->send(lines); }

    // The state after the commands sent so far.
    void look() {
        ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    }

    bool waitForPlayer(int index) {
        return waitFor(
            [index](const Json& d) {
                return d["screen"].string == "Playing" && d["currentPlayer"].integer() == index;
            },
            30);
    }

    Place pointer() const { return {last_["pointer"][0].number, last_["pointer"][1].number}; }
    static bool same(Place a, Place b) {
        return std::fabs(a.x - b.x) < 0.5 && std::fabs(a.y - b.y) < 0.5;
    }

    std::string textAt(double x, double y) const {
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text" && d["x"].number == x && d["y"].number == y) {
                return d["text"].string;
            }
        }
        return {};
    }
    std::string shownTexts() const {
        std::string all;
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text") {
                all += d["text"].string + "|";
            }
        }
        return all;
    }
    // The button state of the shown sprite with this image at this place;
    // -1 when there is none.
    int buttonStateAt(const std::string& image, Place at) const {
        for (const Json& d : last_["drawables"].items) {
            if (d["image"].string == image && same({d["x"].number, d["y"].number}, at)) {
                return d["buttonState"].integer();
            }
        }
        return -1;
    }

    // 0 to 3 for the shown correct (or a shown wrong) answer, -1 for none.
    int answerIndex(bool correct) const {
        for (int i = 0; i < 4; ++i) {
            const std::string text = textAt(answerSpots[i].textX, answerSpots[i].textY);
            if (!text.empty() && (text[0] == '*') == correct) {
                return i;
            }
        }
        return -1;
    }
    static std::string letterKey(int index) { return std::string(1, char('a' + index)); }
    static std::string digitKey(int index) { return std::to_string(index + 1); }

    // Waits for the question, presses the key and waits for the outcome of
    // a right answer, or, for a wrong one, for the commit.
    void answerWith(const std::function<std::string(int)>& key, bool right) {
        ASSERT_TRUE(waitForState(awaitAnswer)) << session_->errors();
        const int who = current();
        const int level = player(who)["level"].integer();
        const int index = answerIndex(right);
        ASSERT_GE(index, 0);
        send("key " + key(index));
        look();
        EXPECT_TRUE(same(pointer(), answerSpots[index].button));
        EXPECT_EQ(state(), commit);
        if (right) {
            ASSERT_TRUE(waitForState(correctState, 20));
            EXPECT_EQ(player(who)["level"].integer(), level + 1);
        }
    }
};

} // namespace qv::test
