// SPDX-License-Identifier: MIT
#pragma once
// UTF-8 and UTF-16 conversions: file names on Linux are UTF-8, the game's
// strings are UTF-16.

#include <string>
#include <string_view>

namespace qv {

// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// False when `text` is not well-formed UTF-8 (then `out` is unspecified).
bool utf16FromUtf8(std::string_view text, std::u16string& out);

// Lossy: malformed bytes become U+FFFD.
std::u16string utf16FromUtf8Lossy(std::string_view text);

} // namespace qv
