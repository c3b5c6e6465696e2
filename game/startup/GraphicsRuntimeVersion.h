// SPDX-License-Identifier: MIT
#pragma once
// Which generation of the graphics runtime is installed, as a number that
// compares (major << 16 | minor << 8 | letter, letter a = 1) and as a text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/RuntimeDiagnostics.h"

namespace qv {

// 9.0c, the oldest runtime the game runs on.
inline constexpr std::uint32_t requiredRuntimeVersion = 0x00090003;

// Asks the system report first and, when that fails, reads the versions of
// the runtime's library files. Always succeeds (a machine with neither gives
// 0.0). The text is cut to fit `textCapacity` characters including the end
// of the string, as a fixed buffer of that size would hold it.
bool detectRuntimeVersion(RuntimeDiagnostics& diagnostics, std::uint32_t& number, std::string& text,
                          std::size_t textCapacity);

// The number and the text of one version; a letter of ' ' means none, any
// other character outside a to z (after lowering) counts as none as well.
std::uint32_t runtimeVersionNumber(std::uint32_t major, std::uint32_t minor, char letter);
std::string runtimeVersionText(std::uint32_t major, std::uint32_t minor, char letter);

} // namespace qv
