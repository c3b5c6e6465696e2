// SPDX-License-Identifier: MIT
#pragma once
// UTF-8 and UTF-16 conversions: file names on Linux are UTF-8, the game's
// strings are UTF-16.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// False when `text` is not well-formed UTF-8 (then `out` is unspecified).
bool utf16FromUtf8(std::string_view text, std::u16string& out);

// Lossy: malformed bytes become U+FFFD.
std::u16string utf16FromUtf8Lossy(std::string_view text);

// The same text as well-formed UTF-8: each byte that starts no well-formed
// sequence becomes U+FFFD. `damaged` (when given) says whether any did.
std::string mendUtf8(std::string_view text, bool* damaged = nullptr);

// The number of characters (code points) of well-formed UTF-8.
std::size_t codePointCount(std::string_view utf8);

// The first `limit` characters of well-formed UTF-8, never half of one.
std::string_view firstCodePoints(std::string_view utf8, std::size_t limit);

// The text as UTF-32 and back; malformed UTF-8 becomes U+FFFD, and a
// surrogate or a value past U+10FFFF becomes U+FFFD in UTF-8.
std::u32string utf32FromUtf8(std::string_view utf8);
std::string utf8FromUtf32(std::u32string_view text);

} // namespace qv
