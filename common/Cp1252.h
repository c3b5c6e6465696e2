// SPDX-License-Identifier: MIT
#pragma once
// The 8-bit code page of question-set files: Windows-1252 on every platform,
// so that a set written anywhere reads the same everywhere.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The Unicode character of one code-page byte. Bytes 0 to 127 are ASCII; the
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the control characters of the same value.
char16_t cp1252ToUnicode(std::uint8_t byte);

// The byte that holds a character, or nothing when the code page cannot.
std::optional<std::uint8_t> unicodeToCp1252(char32_t character);

// Each byte becomes exactly one UTF-16 unit.
std::u16string decodeCp1252(std::string_view bytes);

// Encodes text; false (and `out` unspecified) when a character has no byte.
bool encodeCp1252(std::u16string_view text, std::string& out);

// UTF-8 conversions for the editor and for tests; a malformed UTF-8 sequence
// or a character without a byte makes encoding fail.
std::string utf8FromCp1252(std::string_view bytes);
bool cp1252FromUtf8(std::string_view utf8, std::string& out);

} // namespace qv
