// SPDX-License-Identifier: MIT
#pragma once
// The configuration file: two switches, the current set's name and the
// players with their names, little-endian, strings as an int32 count of
// UTF-16 units without terminator.

#include <array>
#include <string>
#include <string_view>

namespace qv {

inline constexpr int maxPlayers = 9;
// The longest set or player name the game keeps.
inline constexpr std::size_t nameLimit = 4095;

struct ConfigData {
    bool soundEffectsOn = true;
    bool voiceOn = true;
    std::u16string questionSetName = u"Default";
    int playerCount = 1;
    std::array<std::u16string, maxPlayers> playerNames;
};

// Parses configuration bytes. False, with `out` untouched, when the data is
// truncated, a count is negative or past the limits, the player count is not
// 1 to 9, or the set name could lead outside the sets folder.
bool parseConfig(std::string_view bytes, ConfigData& out);

// The bytes of a configuration file: the names of the first playerCount
// players, as stored.
std::string serializeConfig(const ConfigData& config);

// A set name the game may turn into paths: not empty, not "." or "..", no
// path separator and no NUL.
bool isPlainSetName(std::u16string_view name);

} // namespace qv
