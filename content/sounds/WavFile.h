// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv::sound {

// Writes a RIFF WAVE file of 16-bit mono PCM at the given rate. False when the
// file cannot be written completely.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate);

} // namespace qv::sound
