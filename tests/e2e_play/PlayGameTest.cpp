// SPDX-License-Identifier: MIT
// Whole games on the real Showfloor: the test reads each question's answers
// from the dump (the correct answer of the test set starts with '*') and
// clicks the right or a wrong answer button, the take button, a help option
// or the end button, checking what the screen, the host and the ladder show.
//
// QV_E2E_SHOTS=<folder> also keeps screenshots of the round's states, and
// the stills of questions in Greek, Arabic and Japanese at 1920 x 1080.

#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/ShowfloorSession.h"
#include "tests/support/WholeGameTest.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

constexpr int awaitAnswer = 8;
constexpr int correctState = 23;
constexpr int leaveState = 22;
constexpr int wrongState = 24;
constexpr int finalState = 25;

struct Place {
    float x;
    float y;
};

class PlayGame : public WholeGameTest {
protected:
    PlayGame() : WholeGameTest("qv-e2e-play", "Trial") {}

    void SetUp() override {
        WholeGameTest::SetUp();
        // Two questions a rung; every answer names its rung and letter, and
        // the correct one starts with '*'.
        writeMarkedQuestionSet(resources(), "Trial", 1, true, ": which answer is marked?");
    }

    // Starts the program and plays again with the players of the
    // configuration.
    void startGame(const std::vector<std::string>& names, int seed,
                   const std::vector<std::string>& switches = {}) {
        startAtTitle(names, "seed " + std::to_string(seed), switches);
        if (HasFatalFailure()) {
            return;
        }
        click({512, 600});
        ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 10))
            << session_->errors();
    }

    void click(Place at) {
        session_->send("move " + std::to_string(static_cast<int>(at.x)) + " " +
                       std::to_string(static_cast<int>(at.y)));
        session_->send("frames 2");
        session_->send("click");
    }

    // The enabled texts of the dump.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text") {
                out.push_back(d["text"].string);
            }
        }
        return out;
    }

    std::string hostLine() const { return textAt(40, -112); }
    std::string questionLine() const { return textAt(50, 99); }

    std::string textAt(float x, float y) const {
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text" && d["x"].number == x && d["y"].number == y) {
                return d["text"].string;
            }
        }
        return {};
    }

    bool showsImage(const std::string& image) const {
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "sprite" && d["image"].string == image) {
                return true;
            }
        }
        return false;
    }

    // The answer button showing `text`.
    Place answerButtonShowing(const std::string& text) const {
        for (const auto& a : answerPlaces) {
            if (textAt(a.x, a.y) == text) {
                return a.button;
            }
        }
        ADD_FAILURE() << "no answer " << text << " shown";
        return {0, 0};
    }

    // The answer button whose text is the correct (or a wrong) answer.
    Place answerButton(bool correct) const {
        for (const auto& a : answerPlaces) {
            const std::string text = textAt(a.x, a.y);
            if (!text.empty() && (text[0] == '*') == correct) {
                return a.button;
            }
        }
        ADD_FAILURE() << "no " << (correct ? "correct" : "wrong") << " answer shown";
        return {0, 0};
    }

    // The rung (1 to 15) the steady pointer beside the ladder stands at; 0
    // when there is none.
    int markedRung() const {
        for (const Json& d : last_["drawables"].items) {
            if (d["kind"].string == "text" && d["text"].string == "\u00BB") {
                for (int q = 1; q <= 15; ++q) {
                    const float y = static_cast<float>(153 + 41 * (15 - q) - 384) / 2.0f;
                    if (d["y"].number == y && d["x"].number == 383) {
                        return q;
                    }
                }
                ADD_FAILURE() << "the pointer stands at no rung: " << d["y"].number;
            }
        }
        return 0;
    }

    // Called as the round enters `roundState`, one of the parting states:
    // the host's line is typed out and then stays, with the right answer
    // marked, for about three seconds more before the game moves on.
    // Returns the line.
    std::string expectLastLineKept(int roundState) {
        std::string line = hostLine();
        for (int step = 0; step < 100; ++step) {
            session_->send("wait 0.1");
            if (!waitFor([](const Json&) { return true; }, 0)) {
                break;
            }
            if (!line.empty() && hostLine() == line) {
                break;
            }
            line = hostLine();
        }
        session_->send("wait 2.7");
        EXPECT_TRUE(waitFor([](const Json&) { return true; }, 0));
        EXPECT_EQ(state(), roundState);
        EXPECT_EQ(hostLine(), line);
        EXPECT_TRUE(showsImage("Resources//AnswerCorrect.tga")) << "the answer is shown";
        return line;
    }

    int shownAnswers() const {
        int n = 0;
        for (float y : {138.0f, 167.0f}) {
            for (float x : {40.0f, 231.0f}) {
                n += textAt(x, y).empty() ? 0 : 1;
            }
        }
        return n;
    }

    void shot(const std::string& name) {
        if (const char* dir = std::getenv("QV_E2E_SHOTS")) {
            session_->send("shot " + (fs::path(dir) / name).string());
            session_->send("frames 2");
        }
    }

    // Answers the current player's question and waits for the outcome.
    void answer(bool right) {
        ASSERT_TRUE(waitForState(awaitAnswer)) << session_->errors();
        const int who = current();
        const int level = player(who)["level"].integer();
        const std::string name = player(who)["name"].string;
        click(answerButton(right));
        if (right) {
            ASSERT_TRUE(waitForState(correctState, 20));
            session_->send("wait 3");
            ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
            EXPECT_EQ(player(who)["level"].integer(), level + 1);
            const std::string line = hostLine();
            const std::string won = std::to_string(prize(level + 1)) + "!";
            EXPECT_EQ(line.substr(line.size() - won.size()), won) << line;
        }
    }

    // Where each answer's text is and its button.
    struct AnswerPlace {
        float x, y;
        Place button;
    };
    static constexpr AnswerPlace answerPlaces[4] = {{40, 138, {209, 661}},
                                                    {231, 138, {589, 661}},
                                                    {40, 167, {209, 719}},
                                                    {231, 167, {589, 719}}};

    static int prize(int q) {
        static const int values[] = {0,    100,   200,   300,   500,    1000,   2000,   4000,
                                     8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000};
        return values[q];
    }
};

TEST_F(PlayGame, OnePlayerWinsTheMillion) {
    startGame({"Ann"}, 11);
    ASSERT_TRUE(waitForState(2, 10));
    session_->send("wait 2.5");
    ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    EXPECT_EQ(hostLine(), "Ann, here is your first question...");
    EXPECT_TRUE(showsImage("Resources//Back.bmp"));
    EXPECT_EQ(textAt(50, -159), "Ann");
    for (int q = 1; q <= 15; ++q) {
        ASSERT_TRUE(waitForState(awaitAnswer));
        EXPECT_EQ(shownAnswers(), 4);
        EXPECT_NE(questionLine().find("Question " + std::to_string(q) + "."), std::string::npos)
            << questionLine();
        // Won rungs stay lit; the one played for has the pointer beside it.
        EXPECT_EQ(markedRung(), q);
        if (q == 1) {
            shot("question.png");
        }
        if (q == 4) {
            shot("ladder.png");
        }
        answer(true);
        EXPECT_EQ(markedRung(), 0) << "no pointer while the won amount is announced";
        if (q < 15) {
            ASSERT_TRUE(waitForState(2, 20));
            session_->send("wait 2.5");
            ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
            EXPECT_EQ(hostLine(), "Ann, here is your next question...");
        }
    }
    ASSERT_TRUE(waitForState(finalState, 20));
    EXPECT_EQ(player(0)["finalWinnings"].integer(), 1000000);
    EXPECT_TRUE(showsImage("Resources//1000000win.tga"));
    EXPECT_TRUE(showsImage("Resources//1000000.tga"));
    session_->send("wait 1.5");
    shot("final.png");
    click({399, 480});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 10));
    EXPECT_EQ(session_->finish(), 0);
}

TEST_F(PlayGame, TwoPlayersTakeTurnsUntilBothHaveFinished) {
    startGame({"Ann", "Bob"}, 23);
    answer(true);
    // Bob's own game begins: welcome, then his first question.
    ASSERT_TRUE(waitFor([](const Json& d) { return d["currentPlayer"].integer() == 1; }, 20));
    EXPECT_EQ(textAt(50, -159), "P2: Bob");
    ASSERT_TRUE(waitForState(2, 10));
    session_->send("wait 2.5");
    ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    EXPECT_EQ(hostLine(), "Bob, here is your first question...");
    answer(true);

    // Ann again, from where she was; a wrong answer at level 1 keeps nothing.
    ASSERT_TRUE(waitFor([](const Json& d) { return d["currentPlayer"].integer() == 0; }, 20));
    ASSERT_TRUE(waitForState(2, 10));
    session_->send("wait 2.5");
    ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    EXPECT_EQ(hostLine(), "Ann, here is your next question...");
    EXPECT_EQ(textAt(50, -159), "P1: Ann");
    answer(false);
    ASSERT_TRUE(waitForState(wrongState, 20));
    expectLastLineKept(wrongState);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["currentPlayer"].integer() == 1; }, 20));
    EXPECT_TRUE(player(0)["finished"].boolean);
    EXPECT_EQ(player(0)["finalWinnings"].integer(), 0);

    // Bob plays on alone up to 1000, where taking is refused, then to 2000.
    for (int q = 2; q <= 5; ++q) {
        answer(true);
        ASSERT_EQ(current(), 1);
    }
    ASSERT_TRUE(waitForState(awaitAnswer));
    click({659, 69});
    session_->send("wait 3.5");
    ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    EXPECT_EQ(state(), awaitAnswer);
    const std::string refused = hostLine();
    EXPECT_TRUE(refused == "You won't lose anything, so why not take a guess" ||
                refused == "You may aswell select an answer, you have nothing to lose")
        << refused;
    answer(true);
    ASSERT_TRUE(waitForState(awaitAnswer));
    EXPECT_EQ(player(1)["level"].integer(), 6);
    click({659, 69});
    ASSERT_TRUE(waitForState(leaveState, 5));
    // Taking shows the right answer, as a wrong answer does.
    const std::string leave = expectLastLineKept(leaveState);
    EXPECT_EQ(leave.substr(leave.size() - 5), "2000!") << leave;
    ASSERT_TRUE(waitForState(finalState, 10));
    EXPECT_EQ(player(1)["finalWinnings"].integer(), 2000);
    EXPECT_TRUE(showsImage("Resources//2000win.tga"));
    session_->send("wait 1");
    click({399, 480});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 10));
    // The results, once they have typed themselves out.
    session_->send("wait 4");
    ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    std::string shown;
    for (const auto& t : texts()) {
        shown += t + "|";
    }
    EXPECT_NE(shown.find("Ann won 0"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Bob won 2000"), std::string::npos) << shown;
    EXPECT_EQ(session_->finish(), 0);
}

TEST_F(PlayGame, HelpOptionsOnTheRealScreen) {
    startGame({"Ann"}, 5);
    // The Clue leaves two answers, one of them correct.
    ASSERT_TRUE(waitForState(awaitAnswer));
    click({859, 69});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["clueUsed"].boolean; }, 10));
    session_->send("wait 0.5");
    ASSERT_TRUE(waitForState(awaitAnswer));
    EXPECT_EQ(shownAnswers(), 2);
    EXPECT_TRUE(showsImage("Resources//ClueCrossed.tga"));
    // The Joker answers for the player.
    click({763, 69});
    ASSERT_TRUE(waitForState(correctState, 20));
    EXPECT_TRUE(player(0)["jokerUsed"].boolean);
    EXPECT_EQ(player(0)["level"].integer(), 1);
    // The Gamble's wheel turns for about 20 s and decides.
    ASSERT_TRUE(waitForState(awaitAnswer));
    // The wheel starts where the generator says and turns a fixed step a
    // frame: from this seed it stops on a loss.
    session_->send("seed 2");
    click({955, 69});
    ASSERT_TRUE(waitForState(18, 10));
    session_->send("wait 3");
    EXPECT_TRUE(waitFor([](const Json&) { return true; }, 0));
    EXPECT_TRUE(showsImage("Resources//gambleback.tga"));
    EXPECT_TRUE(showsImage("Resources//gamblepointer.tga"));
    shot("wheel.png");
    ASSERT_TRUE(waitFor(
        [](const Json& d) {
            const int s = d["players"][0]["roundState"].integer();
            return s == correctState || s == 19 || d["screen"].string != "Playing";
        },
        40));
    EXPECT_TRUE(player(0)["gambleUsed"].boolean);
    // A lost Gamble ends the game as a wrong answer does: the right answer
    // is shown and the host's line stays for three seconds.
    ASSERT_EQ(state(), 19) << "the wheel stopped on a win";
    ASSERT_TRUE(waitForState(wrongState, 10));
    EXPECT_EQ(expectLastLineKept(wrongState), "You gambled and lost. Unlucky");
    shot("gamble-lost.png");
    EXPECT_EQ(player(0)["level"].integer(), 1);

    // Quitting in the middle of the game keeps the questions asked so far.
    session_->send("key escape");
    session_->send("wait 1");
    session_->send("key y");
    session_->send("wait 1");
    EXPECT_EQ(session_->finish(), 0);
    std::ifstream state(resources() / "QStateTrial.bin", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(state)), {});
    ASSERT_EQ(bytes.size(), 4u + 30u);
    EXPECT_EQ(bytes[0], 30);
    int used = 0;
    for (std::size_t i = 4; i < bytes.size(); ++i) {
        used += bytes[i] == 1 ? 1 : 0;
    }
    // The first question and the gambled one; a third is drawn only when the
    // turn comes round again.
    EXPECT_EQ(used, 2);
}

// Questions in three more scripts, from a set in UTF-8: one rung each, two
// identical questions a rung.
struct ScriptQuestion {
    std::string question;
    std::string correct;
    std::vector<std::string> wrong;
};

const std::vector<ScriptQuestion>& scriptQuestions() {
    static const std::vector<ScriptQuestion> questions = {
        {"Πώς λέγεται η Αθήνα στα ρωσικά;", "Афины", {"Москва", "София", "Белград"}},
        {"ما هي عاصمة مصر منذ عام 969؟", "القاهرة", {"الإسكندرية", "أسوان", "الأقصر"}},
        {"日本で一番高い山はどれですか？標高は三千七百七十六メートルで、静岡県と山梨県の境にありま"
         "す。",
         "富士山",
         {"北岳", "奥穂高岳", "間ノ岳"}},
    };
    return questions;
}

void writeScriptSet(const fs::path& resources, const std::string& name) {
    std::string text = "\xEF\xBB\xBF"
                       "30\r\n";
    for (int rung = 1; rung <= 15; ++rung) {
        const ScriptQuestion& q =
            scriptQuestions()[static_cast<std::size_t>(rung - 1) % scriptQuestions().size()];
        for (int i = 0; i < 2; ++i) {
            text.append("\r\n").append(q.question).append("\r\n");
            text.append(q.correct).append("\r\n");
            for (const std::string& wrong : q.wrong) {
                text.append(wrong).append("\r\n");
            }
            text.append("1\r\n").append(std::to_string(rung)).append("\r\n0\r\n");
        }
    }
    std::ofstream(resources / "QuestionSets" / name / (name + ".txt"), std::ios::binary) << text;
}

// Pixels near white in a band of the shot (logical rows and columns of the
// 1024 x 768 screen, drawn at 1080 lines with bars 240 wide).
int whitePixels(const fs::path& shot, int left, int top, int right, int bottom) {
    SDL_Surface* loaded = IMG_Load(shot.string().c_str());
    if (loaded == nullptr) {
        return -1;
    }
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (rgba == nullptr) {
        return -1;
    }
    const float scale = static_cast<float>(rgba->h) / 768.0f;
    const int bar = (rgba->w - static_cast<int>(std::lround(1024 * scale))) / 2;
    int count = 0;
    for (int y = static_cast<int>(static_cast<float>(top) * scale);
         y < static_cast<int>(static_cast<float>(bottom) * scale) && y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = bar + static_cast<int>(static_cast<float>(left) * scale);
             x < bar + static_cast<int>(static_cast<float>(right) * scale) && x < rgba->w; ++x) {
            const std::uint8_t* p = row + x * 4;
            count += p[0] > 200 && p[1] > 200 && p[2] > 200 ? 1 : 0;
        }
    }
    SDL_FreeSurface(rgba);
    return count;
}

TEST_F(PlayGame, QuestionsInGreekCyrillicArabicAndJapaneseAreShownAndAnswered) {
    writeScriptSet(resources(), "Trial");
    startGame({"Ann"}, 5, {"-width:1920", "-height:1080"});
    const char* keep = std::getenv("QV_E2E_SHOTS");
    const fs::path shots = keep != nullptr ? fs::path(keep) : folder_;
    const char* names[] = {"greek-cyrillic", "arabic", "japanese"};
    for (std::size_t q = 0; q < scriptQuestions().size(); ++q) {
        const ScriptQuestion& expected = scriptQuestions()[q];
        ASSERT_TRUE(waitForState(awaitAnswer)) << session_->errors();
        // Every letter revealed, the answers faded in, the pointer off them.
        session_->send("move 700 300\nwait 6");
        ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
        EXPECT_EQ(questionLine(), expected.question);
        const fs::path still = shots / ("screen-question-" + std::string(names[q]) + "-1080.png");
        session_->send("shot " + still.string());
        session_->send("frames 2");
        ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
        // The question plate and the answer plates hold drawn letters.
        EXPECT_GT(whitePixels(still, 40, 560, 990, 610), 400) << still;
        EXPECT_GT(whitePixels(still, 40, 640, 990, 740), 400) << still;
        click(answerButtonShowing(expected.correct));
        ASSERT_TRUE(waitForState(correctState, 20));
    }
    EXPECT_EQ(session_->finish(), 0);
}

} // namespace
} // namespace qv::test
