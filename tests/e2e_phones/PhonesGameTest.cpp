// SPDX-License-Identifier: MIT
// A two-player game whose players answer from their phones only: the phones
// join the room shown by the game, fill the names screen, press answers, a
// help option, Take and Continue, and see the results; a wrong room is
// refused, a reloaded phone comes back as the same player, and a phone
// whose player is not on turn presses nothing.

#include "game/phones/PhoneMessage.h"
#include "tests/phones/RawClient.h"
#include "tests/support/E2eFiles.h"
#include "tests/support/MiniJson.h"
#include "tests/support/WholeGameTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace qv::test {
namespace {

constexpr int awaitAnswer = 8;

class Phone {
public:
    Phone(int port, const std::string& room, const std::string& name, const std::string& token = {})
        : client_(port) {
        connected_ = client_.upgrade(port);
        std::string join = R"({"type":"join")";
        if (!room.empty()) {
            join += R"(,"room":")" + room + "\"";
        }
        if (!name.empty()) {
            join += R"(,"name":)" + jsonQuoted(name);
        }
        if (!token.empty()) {
            join += R"(,"token":")" + token + "\"";
        }
        client_.send(RawClient::frame(1, join + "}"));
    }
    bool connected() const { return connected_; }
    void press(const std::string& button) {
        client_.send(RawClient::frame(1, R"({"type":"press","button":")" + button + "\"}"));
    }
    // Reads what has arrived; keeps the last state and the token.
    void read() {
        for (std::string text = client_.nextText(30); !text.empty(); text = client_.nextText(30)) {
            std::optional<Json> message = Json::parse(text);
            if (!message) {
                continue;
            }
            if ((*message)["type"].string == "joined") {
                token = (*message)["token"].string;
            } else if ((*message)["type"].string == "refused") {
                refused = (*message)["reason"].string;
            } else if ((*message)["type"].string == "state") {
                state = *message;
            }
        }
    }
    bool enabled(const std::string& button) const {
        for (const Json& item : state["enabled"].items) {
            if (item.string == button) {
                return true;
            }
        }
        return false;
    }

    Json state;
    std::string token;
    std::string refused;

private:
    RawClient client_;
    bool connected_ = false;
};

class PhonesGame : public WholeGameTest {
protected:
    PhonesGame() : WholeGameTest("qv-e2e-phones", "Trial") {}

    void SetUp() override {
        WholeGameTest::SetUp();
        writeMarkedQuestionSet(resources(), "Trial", 1, false, "?");
    }

    void click(int x, int y) {
        session_->send("move " + std::to_string(x) + " " + std::to_string(y) + "\nframes 2\nclick");
    }

    // Lets game time pass until `phone` shows a state for which `done`
    // holds.
    bool phoneShows(Phone& phone, const std::function<bool(const Phone&)>& done,
                    double seconds = 30) {
        for (double waited = 0; waited < seconds; waited += 0.25) {
            session_->send("wait 0.25");
            if (!waitFor([](const Json&) { return true; }, 0)) {
                return false;
            }
            phone.read();
            if (done(phone)) {
                return true;
            }
        }
        return false;
    }

    // The letter of the marked answer on the phone's screen.
    static std::string rightButton(const Phone& phone) {
        const Json& answers = phone.state["answers"];
        for (std::size_t i = 0; i < answers.size(); ++i) {
            if (answers[i].string.rfind("*", 0) == 0) {
                return std::string(1, static_cast<char>('a' + i));
            }
        }
        return {};
    }

    static bool myTurnToAnswer(const Phone& phone) {
        return phone.state["yourTurn"].boolean && phone.enabled("a") && !rightButton(phone).empty();
    }
};

TEST_F(PhonesGame, TwoPlayersPlayFromTheirPhonesToTheResults) {
    // Phones on, on a port of the system's choosing.
    startAtTitle({"Ann", "Bob"}, {}, {"-phones:127.0.0.1:0"});
    ASSERT_FALSE(HasFatalFailure());
    const Json& phones = last_["phones"];
    ASSERT_TRUE(phones["on"].boolean) << session_->errors();
    const std::string address = phones["address"].string;
    ASSERT_EQ(address.rfind("http://127.0.0.1:", 0), 0u) << address;
    const int port = std::stoi(address.substr(17));

    // A wrong code is turned away; two phones join before New Game.
    Phone stranger(port, "ZZZZ", "Eve");
    const std::string room = phones["room"].string;
    Phone greek(port, room, "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7");
    ASSERT_TRUE(phoneShows(
        greek, [](const Phone& p) { return !p.token.empty(); }, 3));
    Phone zoe(port, room, "Zo\xC3\xAB");
    ASSERT_TRUE(phoneShows(
        zoe, [](const Phone& p) { return !p.token.empty(); }, 3));
    ASSERT_TRUE(phoneShows(
        stranger, [](const Phone& p) { return !p.refused.empty(); }, 3));
    EXPECT_EQ(stranger.refused, "room");

    click(512, 650); // New Game; the count starts at the two players
    session_->send("wait 1.5");
    click(512, 690); // OK: the names come from the phones
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 20))
        << session_->errors() << session_->dump();
    EXPECT_EQ(last_["phones"]["phones"][0]["player"].integer(), 0);
    EXPECT_EQ(last_["phones"]["phones"][1]["player"].integer(), 1);

    // Player 1 takes Clue, then answers right from the phone.
    ASSERT_TRUE(phoneShows(greek, myTurnToAnswer))
        << greek.state["screen"].string << greek.state["question"].string
        << greek.state["enabled"].size() << greek.state["yourTurn"].boolean
        << session_->dump().substr(0, 1500);
    EXPECT_EQ(player(0)["name"].string, "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7");
    EXPECT_EQ(player(1)["name"].string, "Zo\xC3\xAB");
    zoe.read();
    EXPECT_FALSE(zoe.state["yourTurn"].boolean);
    EXPECT_TRUE(zoe.state["enabled"].items.empty());
    zoe.press("a"); // not Zoë's turn: nothing happens
    greek.press("clue");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["clueUsed"].boolean; }, 10));
    EXPECT_EQ(player(0)["roundState"].integer(), awaitAnswer) << "the other phone answered nothing";
    ASSERT_TRUE(
        phoneShows(greek, [](const Phone& p) { return myTurnToAnswer(p) && !p.enabled("clue"); }));
    greek.press(rightButton(greek));
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][0]["level"].integer() == 1; }, 30))
        << rightButton(greek) << " " << session_->dump().substr(0, 900);

    // Player 2 answers wrong and is out; the turn goes back by itself.
    ASSERT_TRUE(phoneShows(zoe, myTurnToAnswer));
    const char wrong = rightButton(zoe) == "a" ? 'b' : 'a';
    zoe.press(std::string(1, wrong));
    ASSERT_TRUE(waitFor([](const Json& d) { return d["players"][1]["finished"].boolean; }, 40));

    // Player 1 reloads the page and comes back as the same player, then takes.
    const std::string token = greek.token;
    Phone reloaded(port, {}, {}, token);
    ASSERT_TRUE(phoneShows(
        reloaded, [](const Phone& p) { return myTurnToAnswer(p) && p.enabled("take"); }, 40));
    EXPECT_EQ(reloaded.token, token);
    EXPECT_EQ(reloaded.state["you"]["player"].integer(), 0);
    reloaded.press("take");
    // The final screen; Continue from the phone when the game waits for it.
    ASSERT_TRUE(waitFor(
        [](const Json& d) {
            return d["screen"].string == "GameOver" ||
                   (d["players"].size() > 0 && d["players"][0]["finished"].boolean);
        },
        40));
    if (last_["screen"].string != "GameOver") {
        EXPECT_EQ(player(0)["finalWinnings"].integer(), 100);
        if (phoneShows(reloaded, [](const Phone& p) {
                return p.enabled("next") || p.state["screen"].string == "results";
            })) {
            reloaded.press("next");
        }
    }
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "GameOver"; }, 30));

    // The results reach every phone, best first.
    ASSERT_TRUE(
        phoneShows(zoe, [](const Phone& p) { return p.state["screen"].string == "results"; }));
    ASSERT_EQ(zoe.state["results"].size(), 2u);
    EXPECT_EQ(zoe.state["results"][0]["name"].string, "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7");
    EXPECT_EQ(zoe.state["results"][0]["money"].string, "100");
    EXPECT_EQ(last_["screen"].string, "GameOver");

    // Play Again: a new room code, and each phone is still its player.
    const std::string firstRoom = last_["phones"]["room"].string;
    zoe.press("next");
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 20));
    session_->send("wait 2");
    click(512, 600);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Playing"; }, 20));
    EXPECT_NE(last_["phones"]["room"].string, firstRoom);
    EXPECT_EQ(last_["phones"]["phones"][0]["player"].integer(), 0);
    EXPECT_EQ(last_["phones"]["phones"][1]["player"].integer(), 1);
    EXPECT_EQ(session_->finish(), 0);
}

// The phone page's own words come from the game in its language: a language
// chosen in Settings reaches the words the page fetches and the phones that
// are already in, which fetch them again when told.
TEST_F(PhonesGame, ThePagesWordsFollowTheLanguageChosenOnTheTelevision) {
    namespace fs = std::filesystem;
    if (!fs::exists(fs::path(QV_PRODUCT_DIR) / "locale" / "de" / "LC_MESSAGES" / "showfloor.mo")) {
        GTEST_SKIP() << "no German catalogue in this build";
    }
    startAtTitle({"Ann"}, {}, {"-phones:127.0.0.1:0"});
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(last_["phones"]["on"].boolean) << session_->errors();
    const int port = std::stoi(last_["phones"]["address"].string.substr(17));
    const auto words = [port] {
        RawClient client(port);
        client.send("GET /words.json HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        const std::string reply = client.receive();
        const std::size_t body = reply.find("\r\n\r\n");
        return Json::parse(body == std::string::npos ? "" : reply.substr(body + 4))
            .value_or(Json{});
    };
    EXPECT_EQ(words()["lang"].string, "en");
    EXPECT_EQ(words()["words"]["joinHeading"].string, "Join the game");
    Phone phone(port, last_["phones"]["room"].string, "Ann");
    ASSERT_TRUE(phoneShows(
        phone, [](const Phone& p) { return p.state["lang"].string == "en"; }, 3));

    click(512, 700);
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Settings"; }, 10));
    session_->send("wait 2");
    for (int step = 0; step < 10 && last_["language"]["chosen"].string != "de"; ++step) {
        click(342, 640);
        session_->send("wait 1");
        ASSERT_TRUE(waitFor([](const Json&) { return true; }, 0));
    }
    ASSERT_EQ(last_["language"]["chosen"].string, "de");
    ASSERT_TRUE(phoneShows(
        phone, [](const Phone& p) { return p.state["lang"].string == "de"; }, 3));
    const Json german = words();
    EXPECT_EQ(german["lang"].string, "de");
    EXPECT_EQ(german["words"]["joinButton"].string, "Beitreten");
    EXPECT_EQ(german["words"]["turnOf"].string, "%s ist dran");
    EXPECT_EQ(german["words"].size(), words()["words"].size());
    EXPECT_EQ(session_->finish(), 0);
}

TEST_F(PhonesGame, APortInUseLeavesTheGamePlayable) {
    writeConfigFile(resources(), "Trial", {"Ann"});
    session_ = std::make_unique<ShowfloorSession>(
        folder_ / "product" / "Showfloor", folder_,
        std::vector<std::string>{"-automation", "-windowed", "-phones:127.0.0.1:0"});
    ASSERT_TRUE(waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10));
    const std::string address = last_["phones"]["address"].string;
    const int port = std::stoi(address.substr(17));
    // A second game asks for the same port: it says so and plays on.
    ShowfloorSession second(
        folder_ / "product" / "Showfloor", folder_,
        {"-automation", "-windowed", "-phones:127.0.0.1:" + std::to_string(port)});
    Json dump;
    ASSERT_TRUE(
        second.waitFor([](const Json& d) { return d["screen"].string == "Title"; }, 10, dump));
    EXPECT_FALSE(dump["phones"]["on"].boolean);
    EXPECT_NE(dump["phones"]["error"].string.find("cannot be used"), std::string::npos);
    EXPECT_EQ(second.finish(), 0);
    EXPECT_EQ(session_->finish(), 0);
}

} // namespace
} // namespace qv::test
