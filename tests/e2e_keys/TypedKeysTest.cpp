// SPDX-License-Identifier: MIT
// No press is lost: names typed as text (spaces, letters beyond A-Z, an
// input method's whole word at once), keys pressed within one frame taken
// in the order they came, a held Backspace that repeats, a second press of
// a button that still plays its first, and Change Set going on from the set
// that is chosen. Through automation mode on the built Showfloor.

#include "tests/e2e_keys/KeysOnly.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::test {
namespace {

constexpr Place okPlace{512, 690};
constexpr Place downPlace{512, 554};
constexpr Place settingsPlace{512, 700};
constexpr Place changeSetPlace{370, 544};

class TypedKeys : public KeysOnly {
protected:
    void clickAt(Place at) {
        // The pointer gets there in one frame; the click follows.
        send("move " + std::to_string(at.x) + " " + std::to_string(at.y) + "\nframes 1\nclick");
    }
    // From the title to the player count with the mouse.
    void toPlayerCount() {
        clickAt({512, 650});
        send("wait 1.5");
    }
    // The name shown in the field, without the blinking mark.
    std::string field() {
        look();
        std::string name = textAt(156.5, 45);
        if (!name.empty() && name.back() == '_') {
            name.pop_back();
        }
        return name;
    }
    std::string setShown() {
        look();
        const std::string all = shownTexts();
        const std::string mark = "Question Set: ";
        const auto at = all.find(mark);
        return at == std::string::npos
                   ? std::string()
                   : all.substr(at + mark.size(), all.find('|', at) - at - mark.size());
    }
};

TEST_F(TypedKeys, NamesInAnyScriptWithSpacesAndNoKeyLost) {
    start({"Carried", "Zed", "Q"});
    toPlayerCount();

    // Two Returns 0.4 s apart on the count's down button count twice: the
    // second waits for the first press to play out.
    clickAt(downPlace);
    send("wait 0.4\nkey return\nwait 2");
    look();
    EXPECT_EQ(textAt(250, 60), "1");
    send("key up\nkey up\nwait 0.2");
    clickAt(downPlace);
    send("wait 0.2");
    clickAt({512, 454});
    send("wait 0.2");
    clickAt({512, 454});
    send("wait 3");
    look();
    EXPECT_EQ(textAt(250, 60), "3");
    clickAt(okPlace);
    send("wait 2.5");
    look();
    EXPECT_EQ(field(), "Carried");

    // The carried name reads as selected: the first typed letter replaces
    // it. Space types a blank (it presses no button); blanks around the name
    // are trimmed. Then Return and, in the same frame, the next player's
    // name: typed while the prompt writes itself out, it is kept.
    send("text  Aunt\nkey space\ntext May \nwait 0.3");
    EXPECT_EQ(field(), " Aunt May ");
    send("hold return\ntext Zoë\nframes 1\nrelease return\nwait 2");
    look();
    EXPECT_NE(shownTexts().find("Player 2, please"), std::string::npos) << shownTexts();
    EXPECT_EQ(field(), "Zoë");

    // Keys that go down within one frame all type, in order.
    send("hold shift\nhold o\nrelease o\nhold n\nrelease shift\nrelease n\nframes 1\nwait 0.2");
    EXPECT_EQ(field(), "ZoëON");
    send("key backspace\nkey backspace\nkey return\nwait 2");

    // Greek through the input method, up to ten characters (an emoji outside
    // the basic plane is one of them), then a held Backspace: one at once,
    // then after 0.5 s one each 0.05 s (four by 0.6 s).
    send("text Ελένη\ntext 1234\ntext 😀\ntext xyz\nwait 0.3");
    EXPECT_EQ(field(), "Ελένη1234😀");
    send("hold backspace\nwait 0.7\nrelease backspace\nwait 0.2");
    EXPECT_EQ(field(), "Ελένη1");
    send("key backspace\nkey return");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10))
        << session_->errors();
    ASSERT_EQ(last_["players"].size(), 3u);
    EXPECT_EQ(player(0)["name"].string, "Aunt May");
    EXPECT_EQ(player(1)["name"].string, "Zoë");
    EXPECT_EQ(player(2)["name"].string, "Ελένη");

    // Stored and read back: a new run plays again with the same names.
    EXPECT_EQ(session_->finish(), 0);
    session_.reset();
    session_ = std::make_unique<ShowfloorSession>(
        folder_ / "product" / "Showfloor", folder_,
        std::vector<std::string>{"-automation", "-windowed", "-constantframetime:0.1"});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
    send("wait 2");
    clickAt({512, 600});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10));
    EXPECT_EQ(player(2)["name"].string, "Ελένη");
    EXPECT_EQ(player(0)["name"].string, "Aunt May");
}

TEST_F(TypedKeys, OfTwoAnswerKeysInOneFrameTheFirstIsLockedAndNoAnswerLooksPointedAt) {
    start({"Ann", "Bob"});
    clickAt({512, 600});
    ASSERT_TRUE(waitForState(awaitAnswer)) << session_->errors();
    // Ann answers right with the mouse; the pointer stays on her answer.
    const int right = answerIndex(true);
    ASSERT_GE(right, 0);
    const Place answered = answerSpots[right].button;
    clickAt(answered);
    ASSERT_TRUE(waitForState(correctState, 20));

    // Bob's turn opens with no answer lit under the resting pointer.
    ASSERT_TRUE(waitFor(
        [](const Json& d) {
            return d["currentPlayer"].integer() == 1 &&
                   d["players"][1]["roundState"].integer() == awaitAnswer;
        },
        30));
    EXPECT_TRUE(same(pointer(), answered));
    for (const Json& d : last_["drawables"].items) {
        if (d["kind"].string == "sprite" && same({d["x"].number, d["y"].number}, answered)) {
            EXPECT_EQ(d["buttonState"].integer(), 0) << d["image"].string;
        }
    }

    // Two letters go down in one frame: the one pressed first is locked in,
    // whichever comes first in the alphabet.
    const int correct = answerIndex(true);
    ASSERT_GE(correct, 0);
    const int wrong = correct == 0 ? 3 : 0;
    const int first = correct == 0 ? wrong : correct;
    const int second = correct == 0 ? correct : wrong;
    send("hold " + letterKey(first) + "\nhold " + letterKey(second) + "\nframes 1\nrelease " +
         letterKey(first) + "\nrelease " + letterKey(second) + "\nwait 0.2");
    look();
    EXPECT_TRUE(same(pointer(), answerSpots[first].button));
    ASSERT_TRUE(waitFor(
        [](const Json& d) {
            const int s = d["players"][1]["roundState"].integer();
            return s == correctState || d["players"][1]["finished"].boolean;
        },
        30));
    EXPECT_EQ(player(1)["level"].integer() == 1, first == correct);
}

TEST_F(TypedKeys, ChangeSetGoesOnFromTheChosenSetEachTimeSettingsOpens) {
    // The sets, in order: Allgemeinwissen, Cultura general, Default, Family,
    // Keys, Pictures; Keys is chosen.
    start({"Ann"});
    const std::vector<std::string> expected{"Pictures", "Allgemeinwissen", "Cultura general",
                                            "Default",  "Family",          "Keys"};
    for (const std::string& next : expected) {
        clickAt(settingsPlace);
        send("wait 2");
        clickAt(changeSetPlace);
        send("wait 1");
        EXPECT_EQ(setShown(), next);
        clickAt(okPlace);
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
        send("wait 2");
    }
}

} // namespace
} // namespace qv::test
