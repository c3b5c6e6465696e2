// SPDX-License-Identifier: MIT
// The configuration reader: whatever it accepts must write back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/quiz/ConfigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qv::ConfigData config;
    if (!qv::parseConfig(bytes, config)) {
        return 0;
    }
    if (config.playerCount < 1 || config.playerCount > qv::maxPlayers ||
        config.questionSetName.size() > qv::nameLimit) {
        __builtin_trap();
    }
    std::string written = qv::serializeConfig(config);
    qv::ConfigData again;
    if (!qv::parseConfig(written, again) || qv::serializeConfig(again) != written) {
        __builtin_trap();
    }
    return 0;
}
