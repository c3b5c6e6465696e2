// SPDX-License-Identifier: MIT
// Every text the game shows keeps to its place: a walk through the title,
// the quit question, the settings, the choice of players and a name, a
// question with the host's line, the help options, the final amount and the
// results, checking at each stop that every visible text (the words on the
// plates included) fits: drawn at no less than 85% of its size, inside its
// place. Run in English and in the pseudo language, where every text is
// longer and accented, and where no English may be left on the screen.

#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

constexpr int awaitAnswer = 8;
constexpr int gambleSpin = 18;
constexpr int finalState = 25;

// The words each screen shows on its pictures in English.
const std::vector<std::string> titleWords{"PLAY AGAIN", "NEW GAME", "SETTINGS",
                                          "A QUIZ NIGHT FOR ONE TO NINE PLAYERS"};
const std::vector<std::string> quitWords{"Leave the game?", "Y", "quit", "N", "play on"};
const std::vector<std::string> settingsWords{"SETTINGS", "SOUND",      "QUESTIONS", "OFF",
                                             "ON",       "CHANGE SET", "LANGUAGE",  "OK"};
const std::vector<std::string> helpWords{"TAKE", "JOKER", "CLUE", "GAMBLE"};
const std::vector<std::string> resultWords{"GAME OVER", "FINAL WINNINGS", "OK"};

class WordsFit : public WholeGameTest {
protected:
    WordsFit() : WholeGameTest("qv-e2e-words-fit", "Trial") {}

    void SetUp() override {
        WholeGameTest::SetUp();
        writeMarkedQuestionSet(resources(), "Trial", 1, true, "?");
    }

    void TearDown() override {
        WholeGameTest::TearDown();
        for (const auto& [name, value] : savedEnvironment_) {
            if (value.has_value()) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

    // The game started from here on speaks `language` ("" English).
    void speak(const std::string& language) {
        language_ = language;
        pseudo_ = language == "qps";
        for (const char* name : {"LC_ALL", "LANGUAGE"}) {
            const char* value = std::getenv(name);
            savedEnvironment_.emplace_back(
                name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("LANGUAGE", language.empty() ? "en" : language.c_str(), 1);
    }

    void click(int x, int y) {
        session_->send("move " + std::to_string(x) + " " + std::to_string(y));
        session_->send("frames 2");
        session_->send("click");
    }

    // Clicks the answer button beside the answer marked right ("*...").
    void clickRightAnswer() {
        static constexpr struct {
            float x, y;
            int buttonX, buttonY;
        } places[4] = {
            {40, 138, 209, 661}, {231, 138, 589, 661}, {40, 167, 209, 719}, {231, 167, 589, 719}};
        for (const auto& p : places) {
            for (const Json& d : last_["drawables"].items) {
                if (d["kind"].string == "text" && d["x"].number == p.x && d["y"].number == p.y &&
                    d["text"].string.rfind("*", 0) == 0) {
                    click(p.buttonX, p.buttonY);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no right answer shown";
    }

    // With QV_E2E_SHOTS=<folder>, a still of the screen as it is now.
    void shot(const std::string& name) {
        if (const char* dir = std::getenv("QV_E2E_SHOTS")) {
            const std::string prefix = (language_.empty() ? "en" : language_) + "-";
            session_->send("shot " + (fs::path(dir) / (prefix + name + ".png")).string());
            session_->send("frames 2");
        }
    }

    bool dumpNow() {
        return waitFor([](const Json&) { return true; }, 0);
    }

    std::vector<std::string> shownTexts() const {
        std::vector<std::string> out;
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text" && !d["text"].string.empty()) {
                out.push_back(d["text"].string);
            }
        }
        return out;
    }

    bool shows(const std::string& text) const {
        for (const std::string& shown : shownTexts()) {
            if (shown == text) {
                return true;
            }
        }
        return false;
    }

    // `n` grouped as the language under test writes amounts (the pseudo
    // language has no way of its own: nothing). Spanish and Polish leave
    // four digits together.
    std::optional<std::string> grouped(long long n) const {
        static const std::map<std::string, std::pair<std::string, bool>> ways{
            {"", {"", true}},         {"de", {".", true}},       {"es", {".", false}},
            {"fr", {"\u00a0", true}}, {"pl", {"\u00a0", false}}, {"ru", {"\u00a0", true}}};
        const auto way = ways.find(language_);
        if (way == ways.end()) {
            return std::nullopt;
        }
        std::string digits = std::to_string(n);
        if (digits.size() <= 4 && !way->second.second) {
            return digits;
        }
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
            digits.insert(static_cast<std::size_t>(at), way->second.first);
        }
        return digits;
    }

    // Whether the text is one the game takes from outside and never
    // translates: a player's name, the set's questions ("Question 1.0?") and
    // answers ("Answer A1", the right one marked "*"), amounts and marks.
    bool untranslated(const std::string& text) const {
        if (names_.count(text) != 0) {
            return true;
        }
        for (const char* start : {"Question ", "Answer ", "*Answer "}) {
            if (text.rfind(start, 0) == 0) {
                return true;
            }
        }
        for (char c : text) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
                return false;
            }
        }
        return true;
    }

    // Every visible text fits; in the pseudo language none is English.
    void expectAllFit(const std::string& where) {
        int texts = 0;
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string != "text" || d["text"].string.empty() ||
                d["colour"][3].integer() == 0) {
                continue;
            }
            ++texts;
            const std::string& text = d["text"].string;
            // The host's panel holds one line: the longest lines of a
            // language 40% longer than English are drawn narrower there, but
            // never past the panel.
            if (pseudo_ && d["x"].number == 40.0 && d["y"].number == -112.0) {
                EXPECT_GE(d["squeeze"].number, 0.6) << where << ": \"" << text << "\"";
                continue;
            }
            EXPECT_TRUE(d["fits"].boolean) << where << ": \"" << text << "\" does not fit (squeeze "
                                           << d["squeeze"].number << ")";
            EXPECT_GE(d["squeeze"].number, 0.85) << where << ": \"" << text << "\"";
            if (pseudo_) {
                EXPECT_TRUE(text.find('[') != std::string::npos || untranslated(text))
                    << where << ": \"" << text << "\" is shown in English";
            }
        }
        EXPECT_GT(texts, 0) << where << ": no text shown";
    }

    void expectWords(const std::vector<std::string>& words, const std::string& where) {
        if (!language_.empty()) {
            return;
        }
        for (const std::string& word : words) {
            EXPECT_TRUE(shows(word)) << where << ": \"" << word << "\" not shown";
        }
    }

    // The walk through every screen, checking each on the way.
    void walk() {
        startAtTitle({"Ann"}, "seed 5");
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(dumpNow());
        expectWords(titleWords, "title");
        expectAllFit("title");
        shot("title");

        session_->send("key escape\nwait 2.5");
        ASSERT_TRUE(waitFor([](const Json& d) { return d["quitConfirm"].boolean; }, 5));
        expectWords(quitWords, "quit question");
        expectAllFit("quit question");
        shot("quit");
        session_->send("key n\nwait 0.5");
        ASSERT_TRUE(waitFor([](const Json& d) { return !d["quitConfirm"].boolean; }, 5));

        click(512, 700);
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Settings"; }, 10));
        session_->send("wait 2");
        ASSERT_TRUE(dumpNow());
        expectWords(settingsWords, "settings");
        expectAllFit("settings");
        shot("settings");
        click(512, 690);
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
        session_->send("wait 2");

        click(512, 650);
        session_->send("wait 3");
        ASSERT_TRUE(dumpNow());
        expectWords({"NEW GAME", "OK"}, "number of players");
        expectAllFit("number of players");
        click(512, 690);
        session_->send("wait 3");
        ASSERT_TRUE(dumpNow());
        expectAllFit("name entry");
        session_->send(
            "key backspace\nkey backspace\nkey backspace\ntext Ann\nwait 0.5\nkey return");
        ASSERT_TRUE(waitForState(awaitAnswer, 30)) << session_->errors();
        session_->send("wait 3");
        ASSERT_TRUE(dumpNow());
        expectWords(helpWords, "question");
        // The ladder's top amount as the language writes amounts.
        if (const std::optional<std::string> top = grouped(1000000)) {
            EXPECT_TRUE(shows(*top)) << "the ladder's top amount in " << language_;
        }
        expectAllFit("question with the host's line");
        shot("question");

        // The clue, then right answers up to the guaranteed 1000, then the
        // Gamble's wheel with the words of its halves: won or lost, the
        // player leaves with an amount that has its banner.
        session_->send("key h\nwait 3");
        ASSERT_TRUE(dumpNow());
        expectAllFit("after the clue");
        shot("clue");
        for (int rung = 1; rung <= 5; ++rung) {
            clickRightAnswer();
            session_->send("wait 1");
            ASSERT_TRUE(waitForState(awaitAnswer, 30)) << session_->errors();
            session_->send("wait 3");
            ASSERT_TRUE(dumpNow());
        }
        expectAllFit("the sixth question");
        click(955, 69);
        ASSERT_TRUE(waitForState(gambleSpin, 10));
        session_->send("wait 3");
        ASSERT_TRUE(dumpNow());
        expectWords({"WIN", "LOSE"}, "gamble wheel");
        expectAllFit("gamble wheel");
        shot("wheel");
        ASSERT_TRUE(waitFor(
            [](const Json& d) {
                const int s = d["players"][0]["roundState"].integer();
                return s == awaitAnswer || s == finalState;
            },
            60));
        if (state() == awaitAnswer) {
            session_->send("wait 1");
            click(667, 69);
        }
        ASSERT_TRUE(waitForState(finalState, 30)) << "round state " << state();
        session_->send("wait 2");
        ASSERT_TRUE(dumpNow());
        expectWords({"CONTINUE", "YOU WIN"}, "final amount");
        // The banner's amount, drawn on it as the language writes amounts
        // (left of the ladder, which shows the same amount on its rung).
        if (const std::optional<std::string> won = grouped(player(0)["finalWinnings"].integer())) {
            bool onBanner = false;
            for (const Json& d : last_["drawables"].items) {
                onBanner = onBanner || (d["kind"].string == "text" && d["text"].string == *won &&
                                        d["x"].number < 330);
            }
            EXPECT_TRUE(onBanner) << "the banner's amount " << *won << " in " << language_;
        }
        expectAllFit("final amount");
        shot("final");

        session_->send("key pagedown");
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 20));
        session_->send("wait 3");
        ASSERT_TRUE(dumpNow());
        expectWords(resultWords, "results");
        expectAllFit("results");
        shot("results");

        // The quit question's yes key as its cap shows it ends the game: in
        // English Y; in another language that language's letter, typed.
        session_->send("key escape\nwait 2.5");
        ASSERT_TRUE(waitFor([](const Json& d) { return d["quitConfirm"].boolean; }, 5));
        // The words on the question's picture: the question, the yes key
        // and its answer, the no key and its answer.
        std::vector<std::string> words;
        for (const Json& d : last_["drawables"].items) {
            if (d["on"].string == "Resources//quit.tga") {
                words.push_back(d["text"].string);
            }
        }
        ASSERT_EQ(words.size(), 5u);
        const std::vector<std::string> caps{words[1], words[3]};
        if (language_.empty()) {
            EXPECT_EQ(caps, (std::vector<std::string>{"Y", "N"}));
        }
        session_->send(language_.empty() ? "key y" : "text " + caps[0]);
        session_->send("wait 1");
        EXPECT_EQ(session_->finish(), 0) << "the yes key " << caps[0] << " quits";
    }

    std::string language_;
    bool pseudo_ = false;
    std::set<std::string> names_{"Ann", "Ann_", "Trial"};
    std::vector<std::pair<std::string, std::optional<std::string>>> savedEnvironment_;
};

TEST_F(WordsFit, EveryTextKeepsToItsPlaceInEnglish) {
    speak("");
    walk();
}

// The Language row of Settings steps through the installed languages; the
// screen's own words change in the frame the choice is made, and the title
// that follows speaks the language chosen.
TEST_F(WordsFit, ALanguageChosenInSettingsShowsAtOnce) {
    if (!fs::exists(fs::path(QV_PRODUCT_DIR) / "locale" / "qps" / "LC_MESSAGES" / "showfloor.mo")) {
        GTEST_SKIP() << "no pseudo-language catalogue in this build";
    }
    speak("");
    startAtTitle({"Ann"}, "seed 3");
    ASSERT_FALSE(HasFatalFailure());
    click(512, 700);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Settings"; }, 10));
    session_->send("wait 2");
    ASSERT_TRUE(dumpNow());
    ASSERT_TRUE(shows("SETTINGS") && shows("LANGUAGE"));
    // Round the languages until the pseudo language's name shows.
    bool chosen = false;
    for (int step = 0; step < 10 && !chosen; ++step) {
        // Each press plays out before the next, so none is still queued
        // once the name shows.
        click(342, 640);
        session_->send("wait 1");
        ASSERT_TRUE(dumpNow());
        chosen = shows("[Pseudo]");
    }
    ASSERT_TRUE(chosen) << "the pseudo language is not offered";
    EXPECT_FALSE(shows("SETTINGS"));
    EXPECT_FALSE(shows("LANGUAGE"));
    EXPECT_FALSE(shows("Sound effects ON"));
    pseudo_ = true;
    expectAllFit("settings in the language chosen");
    click(512, 690);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
    session_->send("wait 2");
    ASSERT_TRUE(dumpNow());
    EXPECT_FALSE(shows("NEW GAME"));
    expectAllFit("title in the language chosen");
}

TEST_F(WordsFit, EveryTextKeepsToItsPlaceAndNoneIsEnglishInThePseudoLanguage) {
    if (!fs::exists(fs::path(QV_PRODUCT_DIR) / "locale" / "qps" / "LC_MESSAGES" / "showfloor.mo")) {
        GTEST_SKIP() << "no pseudo-language catalogue in this build";
    }
    speak("qps");
    walk();
}

// Every language shipped: its words keep to their places as the pseudo
// language's do, and its own key letter answers the quit question.
class WordsFitInLanguage : public WordsFit, public ::testing::WithParamInterface<const char*> {};

TEST_P(WordsFitInLanguage, EveryTextKeepsToItsPlace) {
    const std::string code = GetParam();
    if (!fs::exists(fs::path(QV_PRODUCT_DIR) / "locale" / code / "LC_MESSAGES" / "showfloor.mo")) {
        GTEST_SKIP() << "no " << code << " catalogue in this build";
    }
    speak(code);
    walk();
}

INSTANTIATE_TEST_SUITE_P(Shipped, WordsFitInLanguage,
                         ::testing::Values("de", "fr", "es", "pl", "ru"));

} // namespace
} // namespace qv::test
