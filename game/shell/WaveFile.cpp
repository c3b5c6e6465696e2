// SPDX-License-Identifier: MIT
#include "game/shell/WaveFile.h"

#include <algorithm>

namespace qv {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

} // namespace

bool parseWave(std::string_view bytes, WaveFormat& format) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return false;
    }
    // The RIFF size may claim more than there is; the file's end wins.
    const std::size_t end = std::min<std::size_t>(bytes.size(), std::size_t{u32(bytes, 4)} + 8);
    WaveFormat found;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= end && !(haveFormat && haveData)) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = u32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > end - body) {
            // A data chunk cut short still plays what there is; anything
            // else cut short is broken.
            if (id != "data") {
                return false;
            }
        }
        const std::size_t available = std::min(size, end - body);
        if (id == "fmt ") {
            if (available < 16) {
                return false;
            }
            found.formatTag = u16(bytes, body);
            found.channels = u16(bytes, body + 2);
            found.samplesPerSecond = u32(bytes, body + 4);
            found.blockAlign = u16(bytes, body + 12);
            found.bitsPerSample = u16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            found.dataOffset = body;
            found.dataSize = available;
            haveData = true;
        }
        // Chunks are padded to an even size.
        const std::size_t next = body + available + (available & 1);
        if (next <= at) {
            return false;
        }
        at = next;
    }
    if (!haveFormat || !haveData || found.dataSize == 0 || found.channels == 0 ||
        found.samplesPerSecond == 0 || found.bitsPerSample == 0) {
        return false;
    }
    format = found;
    return true;
}

} // namespace qv
