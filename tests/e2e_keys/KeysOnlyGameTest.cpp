// SPDX-License-Identifier: MIT
// Showfloor played without a mouse, in automation mode: a whole game of two
// players from the title back to the title with keys only, one with a
// virtual game controller only, and keys pressed where a click would do
// nothing. The test set marks each correct answer with '*', so the test
// reads from the dump which letter to press.

#include "tests/e2e_keys/KeysOnly.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {
namespace {

TEST_F(KeysOnly, TwoPlayersFromTheTitleBackToTheTitle) {
    start({"Old"});
    // Down from the middle of the screen finds Play again, then New game,
    // hilighted as under the mouse.
    send("key down\nkey down");
    look();
    EXPECT_TRUE(same(pointer(), {512, 650}));
    EXPECT_EQ(buttonStateAt("Resources//newgamebuttonoff.tga", {512, 650}), 1);
    EXPECT_EQ(buttonStateAt("Resources//playagainbuttonoff.tga", {512, 600}), 0);
    send("key return\nwait 1.5");

    // Two players: up twice reaches the up button, Space presses it, Tab goes
    // on to the down button and OK.
    send("key up\nkey up");
    look();
    EXPECT_TRUE(same(pointer(), {512, 454}));
    send("key space\nwait 1");
    look();
    EXPECT_EQ(textAt(250, 60), "2");
    send("key tab\nkey tab");
    look();
    EXPECT_TRUE(same(pointer(), {512, 690}));
    send("key enter\nwait 1.5");

    // The names, typed; Return and Enter confirm them.
    send("key backspace\nkey backspace\nkey backspace\nkey backspace");
    send("hold shift\nkey a\nrelease shift\nkey n\nkey n\nkey return\nwait 1");
    for (int i = 0; i < 9; ++i) {
        send("key backspace");
    }
    send("hold shift\nkey b\nrelease shift\nkey o\nkey b\nkey 7\nkey enter");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10))
        << session_->errors();
    ASSERT_EQ(last_["players"].size(), 2u);
    EXPECT_EQ(player(0)["name"].string, "Ann");
    EXPECT_EQ(player(1)["name"].string, "Bob7");

    // Ann by letter, Bob by digit.
    answerWith(letterKey, true);
    ASSERT_TRUE(waitForPlayer(1));
    answerWith(digitKey, true);
    ASSERT_TRUE(waitForPlayer(0));

    // Ann's Clue (H) leaves two answers; then the right one by letter.
    ASSERT_TRUE(waitForState(awaitAnswer));
    send("key h");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["clueUsed"].boolean; }, 5));
    send("wait 0.5");
    answerWith(letterKey, true);
    ASSERT_TRUE(waitForPlayer(1));

    // Bob's Joker (J) answers for him.
    ASSERT_TRUE(waitForState(awaitAnswer));
    send("key j");
    ASSERT_TRUE(waitForState(correctState, 20));
    EXPECT_TRUE(player(1)["jokerUsed"].boolean);
    EXPECT_EQ(player(1)["level"].integer(), 2);
    ASSERT_TRUE(waitForPlayer(0));

    // Ann opens the quit question and says no; the game goes on.
    ASSERT_TRUE(waitForState(awaitAnswer));
    send("key escape\nwait 1");
    look();
    EXPECT_TRUE(last_["quitConfirm"].boolean);
    send("key n");
    look();
    EXPECT_FALSE(last_["quitConfirm"].boolean);
    answerWith(letterKey, true);
    ASSERT_TRUE(waitForPlayer(1));

    // Bob answers wrong by digit at 200 and leaves with nothing.
    answerWith(digitKey, false);
    ASSERT_TRUE(waitForPlayer(0));
    EXPECT_TRUE(player(1)["finished"].boolean);

    // Ann alone up to 1000, where T only makes the host speak, then 2000.
    answerWith(digitKey, true);
    answerWith(letterKey, true);
    ASSERT_TRUE(waitForState(awaitAnswer));
    EXPECT_EQ(player(0)["level"].integer(), 5);
    send("key t\nwait 3");
    look();
    EXPECT_EQ(state(), awaitAnswer);
    EXPECT_TRUE(same(pointer(), takePlace));
    answerWith(letterKey, true);
    ASSERT_TRUE(waitForState(awaitAnswer));
    send("key t");
    ASSERT_TRUE(waitForState(leaveState, 5));
    ASSERT_TRUE(waitForState(finalState, 10));
    EXPECT_EQ(player(0)["finalWinnings"].integer(), 2000);

    // Page Down, as a presenter's clicker sends it, is the final screen's
    // Continue; Right the results' OK.
    send("wait 1\nkey pagedown");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 10));
    EXPECT_TRUE(same(pointer(), endPlace));
    send("wait 4");
    look();
    EXPECT_NE(shownTexts().find("Ann won 2000"), std::string::npos) << shownTexts();
    EXPECT_NE(shownTexts().find("Bob7 won 0"), std::string::npos) << shownTexts();
    send("key right");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
    EXPECT_EQ(session_->finish(), 0);
    const std::string config = savedConfig();
    EXPECT_NE(config.find(stored("Ann") + stored("Bob7")), std::string::npos);
}

// Steps the controller's d-pad towards `target` until the pointer is there:
// between rows first, then along the row.
class PadOnly : public KeysOnly {
protected:
    void padTo(Place target) {
        for (int step = 0; step < 12; ++step) {
            look();
            const Place at = pointer();
            if (same(at, target)) {
                return;
            }
            if (std::fabs(at.y - target.y) > 8) {
                send(at.y > target.y ? "pad up" : "pad down");
            } else {
                send(at.x > target.x ? "pad left" : "pad right");
            }
        }
        ADD_FAILURE() << "the d-pad did not reach " << target.x << ", " << target.y;
    }
    void padAnswer(bool right) {
        ASSERT_TRUE(waitForState(awaitAnswer)) << session_->errors();
        const int index = answerIndex(right);
        ASSERT_GE(index, 0);
        padTo(answerSpots[index].button);
        send("pad a");
        ASSERT_TRUE(waitForState(commit, 2));
    }
};

TEST_F(PadOnly, OnePlayerFromTheTitleBackToTheTitleAndOut) {
    start({"Pat"});
    send("pad attach");
    // Down twice: New game. A clicks it.
    send("pad down\npad down");
    look();
    EXPECT_TRUE(same(pointer(), {512, 650})) << session_->errors();
    send("pad a\nwait 1.5");
    // One player: OK is just below; then Start takes the stored name.
    padTo({512, 690});
    send("pad a\nwait 1.5\npad start");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10))
        << session_->errors();
    EXPECT_EQ(player(0)["name"].string, "Pat");

    padAnswer(true);
    ASSERT_TRUE(waitForState(correctState, 20));

    // The Clue, then the right one of the two answers left.
    ASSERT_TRUE(waitForState(awaitAnswer));
    padTo(cluePlace);
    send("pad a");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["clueUsed"].boolean; }, 5));
    send("wait 0.5");
    padAnswer(true);
    ASSERT_TRUE(waitForState(correctState, 20));

    // B opens the quit question and B again says no.
    ASSERT_TRUE(waitForState(awaitAnswer));
    send("pad b\nwait 1");
    look();
    EXPECT_TRUE(last_["quitConfirm"].boolean);
    send("pad b");
    look();
    EXPECT_FALSE(last_["quitConfirm"].boolean);
    EXPECT_EQ(state(), awaitAnswer);

    // Take at 200: no final screen below 1000, straight to the results.
    padTo(takePlace);
    send("pad a");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 20));
    send("wait 2\npad right");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));

    // Unplugged and plugged in again, the pad still plays; B and Y quit.
    send("pad detach\npad attach\npad b\nwait 1\npad y\nwait 1");
    EXPECT_EQ(session_->finish(), 0);
    EXPECT_EQ(session_->errors().find("error:"), std::string::npos) << session_->errors();
    const std::string config = savedConfig();
    EXPECT_NE(config.find(stored("Pat")), std::string::npos);
}

// Each key is pressed where a click would find nothing to press; nothing
// may change, and the same click does not change anything either.
TEST_F(KeysOnly, AKeyDoesNothingWhereAClickWouldDoNothing) {
    start({"Kim"});
    send("key down\nkey return");
    ASSERT_TRUE(waitForState(announceQuestion, 10)) << session_->errors();

    // The answers are not up yet: their keys move nothing and press nothing.
    ASSERT_TRUE(waitForState(5, 10));
    look();
    const Place before = pointer();
    send("key a\nkey 4\nkey t\nkey j");
    look();
    EXPECT_TRUE(same(pointer(), before));
    ASSERT_TRUE(waitForState(awaitAnswer, 10));
    EXPECT_FALSE(player(0)["jokerUsed"].boolean);

    // After the Clue, the letter and digit of a removed answer do nothing,
    // and neither does H; a click on the removed answer does nothing either.
    send("key h");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["clueUsed"].boolean; }, 5));
    ASSERT_TRUE(waitForState(awaitAnswer, 5));
    int removed = -1;
    for (int i = 0; i < 4 && removed < 0; ++i) {
        removed = textAt(answerSpots[i].textX, answerSpots[i].textY).empty() ? i : -1;
    }
    ASSERT_GE(removed, 0);
    const Place afterClue = pointer();
    send("key " + letterKey(removed) + "\nkey " + digitKey(removed) + "\nkey h\nwait 1");
    look();
    EXPECT_EQ(state(), awaitAnswer);
    EXPECT_TRUE(same(pointer(), afterClue));
    const Place hidden = answerSpots[removed].button;
    send("move " + std::to_string(hidden.x) + " " + std::to_string(hidden.y) +
         "\nframes 2\nclick\nwait 1");
    look();
    EXPECT_EQ(state(), awaitAnswer);

    // While the quit question is up, an answer's key does nothing.
    send("key escape\nwait 0.5");
    const int right = answerIndex(true);
    send("key " + letterKey(right) + "\nkey n\nwait 0.5");
    look();
    EXPECT_EQ(state(), awaitAnswer);
    EXPECT_TRUE(same(pointer(), hidden));

    // Once an answer is locked in, the round holds the pointer: another
    // answer's key neither moves it nor changes the choice, and the right
    // answer stands.
    send("key " + letterKey(right));
    look();
    ASSERT_EQ(state(), commit);
    const int wrong = answerIndex(false);
    ASSERT_GE(wrong, 0);
    send("key " + letterKey(wrong) + "\nkey " + digitKey(wrong));
    look();
    EXPECT_TRUE(same(pointer(), answerSpots[right].button));
    ASSERT_TRUE(waitFor(
        [](const Json& d) {
            const int s = d["players"][0]["roundState"].integer();
            return s == correctState || s == 24 || d["screen"].string != "Playing";
        },
        20));
    EXPECT_EQ(state(), correctState);
    EXPECT_EQ(session_->finish(), 0);
}

} // namespace
} // namespace qv::test
