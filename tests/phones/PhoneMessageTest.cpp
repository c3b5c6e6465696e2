// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/phones/PhoneMessage.h"
#include "game/phones/PhoneRoom.h"
#include "game/phones/RoomCode.h"

namespace qv {
namespace {

const std::string token(32, 'a');

PhoneMessage joining(std::string room, std::string name, std::string token = {}) {
    PhoneMessage message;
    message.kind = PhoneMessage::Kind::Join;
    message.room = std::move(room);
    message.name = std::move(name);
    message.token = std::move(token);
    return message;
}

TEST(PhoneMessage, AcceptsTheThreeFormsAndDecodesEscapes) {
    auto join = parsePhoneMessage(R"( {"type":"join","room":"ABCD","name":"  Zo\u00eb "} )");
    ASSERT_TRUE(join);
    EXPECT_EQ(join->kind, PhoneMessage::Kind::Join);
    EXPECT_EQ(join->room, "ABCD");
    EXPECT_EQ(join->name, "Zo\xC3\xAB");

    auto back = parsePhoneMessage(R"({"type":"join","token":")" + token + R"("})");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->token, token);

    auto greek = parsePhoneMessage("{\"type\":\"join\",\"room\":\"QRST\",\"name\":"
                                   "\"\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\"}");
    ASSERT_TRUE(greek);
    EXPECT_EQ(greek->name, "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7");

    auto press = parsePhoneMessage(R"({"button":"gamble","type":"press"})");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->button, PhoneButton::Gamble);
    EXPECT_TRUE(parsePhoneMessage(R"({"type":"ping"})"));
    // An emoji written as a surrogate pair is one character.
    auto emoji = parsePhoneMessage(R"({"type":"join","room":"ABCD","name":"\ud83d\ude00"})");
    ASSERT_TRUE(emoji);
    EXPECT_EQ(emoji->name, "\xF0\x9F\x98\x80");
}

TEST(PhoneMessage, RefusesAnythingElseWhole) {
    const std::string tooLongName = R"({"type":"join","room":"ABCD","name":"ABCDEFGHIJK"})";
    std::string oversized = R"({"type":"ping","name":")";
    oversized.append(1100, 'x').append("\"}");
    for (const std::string& text :
         {std::string(),
          std::string("{"),
          std::string("[]"),
          std::string("{\"type\":\"ping\"} x"),
          std::string(R"({"type":"ping","type":"ping"})"),
          std::string(R"({"type":"ping","x":"1"})"),
          std::string(R"({"type":1})"),
          std::string(R"({"type":{"a":"b"}})"),
          std::string(R"({"type":"press","button":"e"})"),
          std::string(R"({"type":"press"})"),
          std::string(R"({"type":"join","room":"abcd","name":"Ann"})"),
          std::string(R"({"type":"join","room":"ABCD"})"),
          std::string(R"({"type":"join","name":"Ann"})"),
          std::string(R"({"type":"join","token":"short"})"),
          std::string(R"({"type":"join","room":"ABCD","name":"A\nB"})"),
          std::string(R"({"type":"join","room":"ABCD","name":"\ud83d"})"),
          std::string("{\"type\":\"join\",\"room\":\"ABCD\",\"name\":\"\xC3\"}"),
          std::string("{\"type\":\"join\",\"room\":\"ABCD\",\"name\":\"\xC0\xAF\"}"),
          std::string("{\"type\":\"ping\"\x01}"),
          tooLongName,
          oversized}) {
        EXPECT_FALSE(parsePhoneMessage(text)) << text;
    }
}

TEST(PhoneRoom, SeatsPlayersInJoinOrderAndKeepsThemThroughANewGame) {
    PhoneRoom room("ABCD");
    auto ann = room.join(joining("ABCD", "Ann"), std::string(32, '1'));
    auto ben = room.join(joining("ABCD", "Ben"), std::string(32, '2'));
    ASSERT_EQ(ann.outcome, PhoneRoom::Outcome::Joined);
    ASSERT_EQ(ben.outcome, PhoneRoom::Outcome::Joined);
    EXPECT_EQ(room.join(joining("ABCE", "Cy"), std::string(32, '3')).outcome,
              PhoneRoom::Outcome::WrongRoom);

    ASSERT_EQ(room.nextWaiting(), ann.seat);
    room.seatAsPlayer(ann.seat, 0);
    ASSERT_EQ(room.nextWaiting(), ben.seat);
    room.seatAsPlayer(ben.seat, 1);
    EXPECT_EQ(room.seatOfPlayer(1), ben.seat);

    // Coming back with the token, even after the code changed.
    room.setConnected(ben.seat, false);
    room.newGame("WXYZ");
    auto again = room.join(joining({}, {}, std::string(32, '2')), std::string(32, '9'));
    EXPECT_EQ(again.outcome, PhoneRoom::Outcome::CameBack);
    EXPECT_EQ(again.seat, ben.seat);
    EXPECT_TRUE(room.seats()[ben.seat].connected);
    EXPECT_EQ(room.join(joining({}, {}, std::string(32, '7')), std::string(32, '8')).outcome,
              PhoneRoom::Outcome::UnknownToken);
    EXPECT_EQ(room.nextWaiting(), ann.seat) << "a new game names the phones again in join order";
}

TEST(PhoneRoom, NinePlayersThenSixteenWatchersThenFull) {
    PhoneRoom room("ABCD");
    const PhoneMessage join = joining("ABCD", "P");
    for (int i = 0; i < maxPhonePlayers + maxPhoneWatchers; ++i) {
        auto result = room.join(join, newPhoneToken());
        ASSERT_EQ(result.outcome, PhoneRoom::Outcome::Joined);
        EXPECT_EQ(room.seats()[result.seat].role,
                  i < maxPhonePlayers ? PhoneSeat::Role::Waiting : PhoneSeat::Role::Watcher);
    }
    EXPECT_EQ(room.join(join, newPhoneToken()).outcome, PhoneRoom::Outcome::Full);
}

TEST(RoomCode, FourLettersWithoutLookalikesAndFreshTokens) {
    for (int i = 0; i < 200; ++i) {
        const std::string code = newRoomCode();
        ASSERT_EQ(code.size(), 4u);
        EXPECT_EQ(code.find_first_not_of("ABCDEFGHJKLMNPQRSTUVWXYZ"), std::string::npos) << code;
    }
    EXPECT_NE(newPhoneToken(), newPhoneToken());
    EXPECT_EQ(newPhoneToken().size(), 32u);
}

} // namespace
} // namespace qv
