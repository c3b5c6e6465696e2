// SPDX-License-Identifier: MIT
// What a phone sends, as the server reads it: a message is accepted whole
// or refused whole, and an accepted one keeps to the limits the room and the
// game rely on. Accepted joins go through a room, so its rules see every
// shape of message too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/phones/PhoneMessage.h"
#include "game/phones/PhoneRoom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qv::PhoneRoom room("ABCD");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<qv::PhoneMessage> message = qv::parsePhoneMessage(text);
    if (!message) {
        return 0;
    }
    if (size > qv::maxPhoneMessageBytes) {
        std::abort();
    }
    const std::optional<std::size_t> characters = qv::utf8Characters(message->name);
    if (!characters || *characters > qv::maxPhoneNameCharacters) {
        std::abort();
    }
    if (message->kind == qv::PhoneMessage::Kind::Join) {
        const qv::PhoneRoom::JoinResult result = room.join(*message, std::string(32, 'f'));
        if ((result.outcome == qv::PhoneRoom::Outcome::Joined ||
             result.outcome == qv::PhoneRoom::Outcome::CameBack) &&
            result.seat >= room.seats().size()) {
            std::abort();
        }
        if (room.seats().size() > qv::maxPhonePlayers + qv::maxPhoneWatchers) {
            std::abort();
        }
    }
    return 0;
}
