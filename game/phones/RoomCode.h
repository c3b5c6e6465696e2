// SPDX-License-Identifier: MIT
#pragma once
// Secrets of the phone room: the four-letter room code shown on the screen
// and the token each phone is given. Both come from the system's random
// source, never from the game's seeded generator, so turning phones on
// changes no question the game draws.

#include <string>

namespace qv {

// Four capital letters without I and O (they read as 1 and 0).
std::string newRoomCode();
// 32 lower-case hexadecimal digits (128 bits).
std::string newPhoneToken();

} // namespace qv
