// SPDX-License-Identifier: MIT
#pragma once
// What a phone may say to the game. Every message is one small JSON object
// whose values are all strings; anything else (nesting, numbers, a repeated
// or unknown key, a control character, malformed UTF-8, more than
// maxPhoneMessageBytes) is refused as a whole, never half understood.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

inline constexpr std::size_t maxPhoneMessageBytes = 1024;
// A name from a phone: as many characters as the game's name entry takes.
inline constexpr std::size_t maxPhoneNameCharacters = 10;

enum class PhoneButton { A, B, C, D, Take, Joker, Clue, Gamble, Next };

struct PhoneMessage {
    enum class Kind {
        Join,  // room code, name and (when coming back) the token it was given
        Press, // a button of the phone page
        Ping,  // keeps the connection alive; answered with nothing
    };
    Kind kind = Kind::Ping;
    std::string room;  // upper case, as typed
    std::string name;  // UTF-8, trimmed, at most maxPhoneNameCharacters
    std::string token; // empty on a first join
    PhoneButton button = PhoneButton::A;
};

// Nothing when the message is not exactly one of the accepted forms.
std::optional<PhoneMessage> parsePhoneMessage(std::string_view text);

// The button's word on the wire ("a".."d", "take", "joker", "clue",
// "gamble", "next") and back.
std::string_view phoneButtonName(PhoneButton button);
std::optional<PhoneButton> phoneButtonFromName(std::string_view name);

// `text` as a JSON string literal, quotes included (for the game's replies).
std::string jsonQuoted(std::string_view utf8);

// Counts the characters of valid UTF-8; nothing for malformed UTF-8.
std::optional<std::size_t> utf8Characters(std::string_view text);

} // namespace qv
