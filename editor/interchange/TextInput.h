// SPDX-License-Identifier: MIT
#pragma once
// Text as it arrives from other programs, and text as a set file stores it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv::interchange {

// The bytes of an imported file as UTF-8. A file that starts with a UTF-16
// byte-order mark (FF FE or FE FF, as spreadsheets save "Unicode text") is
// UTF-16 of that byte order; one that starts with the UTF-8 mark is UTF-8;
// well-formed UTF-8 is taken as it is; anything else is read as
// Windows-1252, the code page spreadsheets on that platform save in.
// Nothing, with `error` saying why, for UTF-16 of an odd number of bytes,
// a file of a byte-order mark alone, or bytes that are not UTF-8 after the
// UTF-8 mark (the line is named).
std::optional<std::string> decodeInputText(std::string_view bytes, std::string& error);

// decodeInputText without its reason: empty text where it gives none.
std::string decodeInput(std::string_view bytes);

// True when `bytes` are well-formed UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view bytes);

// Reads the code point at `at` of well-formed UTF-8 and moves past it.
char32_t nextCodePoint(std::string_view utf8, std::size_t& at);

// Appends the UTF-8 form of `character`.
void appendUtf8(std::string& out, char32_t character);

// Trims the text and turns each inner line break or tab into one space, as
// a set file stores it (UTF-8). Nothing when it holds a control character,
// which no set file holds: `unstorable` then holds it.
std::optional<std::string> storableText(std::string_view utf8, char32_t* unstorable = nullptr);

// "U+00E9"
std::string codePointName(char32_t character);

// Text from a file as a message may quote it: at most `limit` characters
// (then "..."), each control character (which would break the message's
// line or steer a terminal) shown as a space.
std::string quotable(std::string_view utf8, std::size_t limit = 40);

// The text without `blanks` at either end.
std::string_view trimmedView(std::string_view text, std::string_view blanks = " \t\r\n");

// ASCII letters in lower case, every other byte as it is.
std::string lowerAscii(std::string_view text);

// Two stored texts (UTF-8) that people would call the same: compared without
// regard to ASCII case and with runs of blanks (spaces, no-break spaces) as one.
std::string sameTextKey(std::string_view stored);

} // namespace qv::interchange
