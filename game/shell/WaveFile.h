// SPDX-License-Identifier: MIT
#pragma once
// The checks a RIFF WAVE file must pass before it becomes a sound: a "RIFF"
// file of form "WAVE" with a "fmt " chunk and a "data" chunk that holds
// something. The file is hostile: every chunk is bounded by the file and by
// the RIFF size, and nothing is read past either.

#include <cstdint>
#include <string_view>

namespace qv {

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    // Where the sample data lies in the file, and how many bytes it has.
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

// False when the bytes are no RIFF WAVE file, have no format, or no data.
bool parseWave(std::string_view bytes, WaveFormat& format);

} // namespace qv
