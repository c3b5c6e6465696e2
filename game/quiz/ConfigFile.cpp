// SPDX-License-Identifier: MIT
#include "game/quiz/ConfigFile.h"

#include <cstdint>

#include "game/quiz/LittleEndian.h"

namespace qv {
namespace {

bool readString(ByteReader& reader, std::u16string& out) {
    std::int32_t length = 0;
    if (!reader.int32(length) || length < 0 || static_cast<std::size_t>(length) > nameLimit) {
        return false;
    }
    return reader.utf16(static_cast<std::size_t>(length), out);
}

} // namespace

bool isPlainSetName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") {
        return false;
    }
    for (char16_t c : name) {
        if (c == u'/' || c == u'\\' || c == 0) {
            return false;
        }
    }
    return true;
}

bool parseConfig(std::string_view bytes, ConfigData& out) {
    ByteReader reader(bytes);
    ConfigData parsed;
    std::uint8_t sound = 0;
    std::uint8_t voice = 0;
    if (!reader.byte(sound) || !reader.byte(voice)) {
        return false;
    }
    parsed.soundEffectsOn = sound != 0;
    parsed.voiceOn = voice != 0;
    if (!readString(reader, parsed.questionSetName) || !isPlainSetName(parsed.questionSetName)) {
        return false;
    }
    std::int32_t count = 0;
    if (!reader.int32(count) || count < 1 || count > maxPlayers) {
        return false;
    }
    parsed.playerCount = count;
    for (int i = 0; i < count; ++i) {
        if (!readString(reader, parsed.playerNames[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    out = std::move(parsed);
    return true;
}

std::string serializeConfig(const ConfigData& config) {
    ByteWriter writer;
    writer.byte(config.soundEffectsOn ? 1 : 0);
    writer.byte(config.voiceOn ? 1 : 0);
    writer.utf16String(config.questionSetName);
    int count = config.playerCount;
    if (count < 1) {
        count = 1;
    } else if (count > maxPlayers) {
        count = maxPlayers;
    }
    writer.int32(count);
    for (int i = 0; i < count; ++i) {
        writer.utf16String(config.playerNames[static_cast<std::size_t>(i)]);
    }
    return writer.take();
}

} // namespace qv
