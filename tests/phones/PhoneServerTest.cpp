// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "game/phones/PhoneServer.h"
#include "tests/phones/RawClient.h"

namespace qv {
namespace {

using test::RawClient;

class PhoneServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        PhoneServer::Options options;
        options.address = "127.0.0.1";
        options.port = 0;
        options.messagesPerSecond = 10;
        std::string error;
        server = PhoneServer::start(options, error);
        ASSERT_TRUE(server) << error;
        port = server->port();
        ASSERT_GT(port, 0);
    }

    std::string get(const std::string& path, const std::string& method = "GET") {
        RawClient client(port);
        client.send(method + " " + path +
                    " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        return client.receive();
    }

    // A phone that joined the room; its first reply is in `joined`.
    std::unique_ptr<RawClient> joinedPhone(const std::string& name, std::string* joined = nullptr) {
        auto phone = std::make_unique<RawClient>(port);
        EXPECT_TRUE(phone->upgrade(port));
        phone->send(RawClient::frame(1, R"({"type":"join","room":")" + server->roomCode() +
                                            R"(","name":")" + name + "\"}"));
        const std::string reply = phone->nextText();
        if (joined) {
            *joined = reply;
        }
        return phone;
    }

    std::unique_ptr<PhoneServer> server;
    int port = 0;
};

TEST_F(PhoneServerTest, ServesOnlyThePageFilesWithAStrictPolicy) {
    const std::string page = get("/");
    EXPECT_EQ(page.rfind("HTTP/1.1 200", 0), 0u) << page;
    EXPECT_NE(page.find("Content-Security-Policy: default-src 'none'"), std::string::npos);
    EXPECT_NE(page.find("X-Content-Type-Options: nosniff"), std::string::npos);
    EXPECT_NE(page.find("Join the game"), std::string::npos);
    EXPECT_EQ(get("/phone.js").rfind("HTTP/1.1 200", 0), 0u);
    // The page's words: none of its own until the game gives them, then
    // the game's, under the same policy.
    const std::string noWords = get("/words.json");
    EXPECT_NE(noWords.find(R"({"lang":"en","words":{}})"), std::string::npos) << noWords;
    server->setPageWords(R"({"lang":"de","words":{"joinButton":"Beitreten"}})");
    const std::string words = get("/words.json");
    EXPECT_EQ(words.rfind("HTTP/1.1 200", 0), 0u) << words;
    EXPECT_NE(words.find("Content-Type: application/json"), std::string::npos);
    EXPECT_NE(words.find("Cache-Control: no-store"), std::string::npos);
    EXPECT_NE(words.find(R"({"lang":"de","words":{"joinButton":"Beitreten"}})"), std::string::npos);
    for (const char* path :
         {"/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/phone.js/", "/x", "//etc/passwd"}) {
        EXPECT_EQ(get(path).rfind("HTTP/1.1 404", 0), 0u) << path;
    }
    EXPECT_EQ(get("/", "POST").rfind("HTTP/1.1 405", 0), 0u);
    const std::string broken = [&] {
        RawClient client(port);
        client.send("\x16\x03\x01 not http at all\r\n\r\n");
        return client.receive();
    }();
    EXPECT_EQ(broken.find("Join the game"), std::string::npos);
}

TEST_F(PhoneServerTest, SocketsOnlyFromThePagesOwnOrigin) {
    for (const std::string& origin : {std::string(), std::string("http://evil.example"),
                                      "http://127.0.0.1:" + std::to_string(port + 1)}) {
        RawClient client(port);
        client.send(RawClient::upgradeRequest(port, origin));
        EXPECT_EQ(client.receive("\r\n\r\n").rfind("HTTP/1.1 101", 0), std::string::npos) << origin;
    }
    // A name rebound to this machine is no address of it.
    RawClient rebound(port);
    rebound.send("GET /ws HTTP/1.1\r\nHost: quiz.example:1\r\nOrigin: http://quiz.example:1\r\n"
                 "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: "
                 "dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    EXPECT_EQ(rebound.receive("\r\n\r\n").rfind("HTTP/1.1 101", 0), std::string::npos);
    EXPECT_GE(server->counters().refusedConnections, 4u);
}

TEST_F(PhoneServerTest, JoinPressAndComeBackWithTheToken) {
    std::string joined;
    auto ann = joinedPhone("Ann", &joined);
    ASSERT_NE(joined.find("\"type\":\"joined\""), std::string::npos) << joined;
    const std::size_t at = joined.find("\"token\":\"");
    ASSERT_NE(at, std::string::npos);
    const std::string token = joined.substr(at + 9, 32);

    PhoneView view;
    view.screen = "playing";
    view.turnPlayer = 0;
    view.question = "Which <b>?";
    view.answers = {"1", "2", "3", "4"};
    view.enabled = {PhoneButton::A, PhoneButton::Take};
    const std::vector<PhoneEvent> events = server->takeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, PhoneEvent::Kind::Joined);
    server->seatAsPlayer(events[0].seat, 0);
    server->publish(view);
    std::string state;
    for (int i = 0; i < 5 && state.find("\"yourTurn\":true") == std::string::npos; ++i) {
        state = ann->nextText();
    }
    EXPECT_NE(state.find("\"enabled\":[\"a\",\"take\"]"), std::string::npos) << state;
    EXPECT_NE(state.find("Which \\u003cb>?"), std::string::npos) << state;

    ann->send(RawClient::frame(1, R"({"type":"press","button":"take"})"));
    std::vector<PhoneEvent> pressed;
    for (int i = 0; i < 100 && pressed.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        pressed = server->takeEvents();
    }
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0].kind, PhoneEvent::Kind::Press);
    EXPECT_EQ(pressed[0].button, PhoneButton::Take);

    // The phone reloads: a new connection with the token is the same seat.
    ann.reset();
    RawClient again(port);
    ASSERT_TRUE(again.upgrade(port));
    again.send(RawClient::frame(1, R"({"type":"join","token":")" + token + "\"}"));
    // The reply and the state that follows may come in either order.
    std::string replies = again.nextText();
    replies += again.nextText();
    EXPECT_NE(replies.find("\"joined\",\"token\":\"" + token), std::string::npos) << replies;
    EXPECT_TRUE(server->takeEvents().empty()) << "coming back is no new join";
    ASSERT_EQ(server->room().seats().size(), 1u);
    EXPECT_EQ(server->room().seatOfPlayer(0), 0u);
}

TEST_F(PhoneServerTest, WrongRoomBrokenAndOversizedMessagesEndTheConnection) {
    RawClient wrong(port);
    ASSERT_TRUE(wrong.upgrade(port));
    wrong.send(RawClient::frame(1, R"({"type":"join","room":"ZZZZ","name":"Eve"})"));
    EXPECT_NE(wrong.nextText().find("\"refused\""), std::string::npos);
    EXPECT_TRUE(wrong.closedByPeer());

    const std::vector<std::string> hostile = {
        RawClient::frame(1, "{\"type\":"),                                  // broken JSON
        RawClient::frame(2, R"({"type":"ping"})"),                          // binary
        RawClient::frame(1, R"({"type":"ping"})", false),                   // a fragment
        RawClient::frame(1, std::string(5000, ' ') + R"({"type":"ping"})"), // past 1 KB
        RawClient::frame(1, R"({"type":"press","button":"a"})"),            // press before joining
    };
    for (const std::string& bytes : hostile) {
        RawClient client(port);
        ASSERT_TRUE(client.upgrade(port));
        client.send(bytes);
        EXPECT_TRUE(client.closedByPeer()) << bytes.size();
    }
    // A frame that claims far more than it sends is dropped at the size
    // limit or by the server's time-out, never waited for by the game.
    RawClient liar(port);
    ASSERT_TRUE(liar.upgrade(port));
    liar.send(std::string("\x81\xFF\x00\x00\x00\x10\x00\x00\x00\x00\x12\x34\x56\x78", 14));
    EXPECT_TRUE(server->takeEvents().empty());
}

TEST_F(PhoneServerTest, AFloodingPhoneIsCutOffAndOthersGoOn) {
    auto flooder = joinedPhone("Flo");
    auto calm = joinedPhone("Cal");
    std::string flood;
    for (int i = 0; i < 200; ++i) {
        flood += RawClient::frame(1, R"({"type":"ping"})");
    }
    flooder->send(flood);
    EXPECT_TRUE(flooder->closedByPeer());
    calm->send(RawClient::frame(1, R"({"type":"press","button":"b"})"));
    std::vector<PhoneEvent> events;
    for (int i = 0; i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (const PhoneEvent& event : server->takeEvents()) {
            events.push_back(event);
        }
        if (!events.empty() && events.back().kind == PhoneEvent::Kind::Press) {
            break;
        }
    }
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, PhoneEvent::Kind::Press);
    EXPECT_EQ(events.back().button, PhoneButton::B);
}

TEST(PhoneServerStart, APortInUseIsAMessageNotACrash) {
    PhoneServer::Options options;
    options.address = "127.0.0.1";
    options.port = 0;
    std::string error;
    auto first = PhoneServer::start(options, error);
    ASSERT_TRUE(first);
    options.port = first->port();
    auto second = PhoneServer::start(options, error);
    EXPECT_FALSE(second);
    EXPECT_NE(error.find("cannot be used"), std::string::npos) << error;
}

} // namespace
} // namespace qv
