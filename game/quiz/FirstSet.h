// SPDX-License-Identifier: MIT
#pragma once
// The question set offered to a player who has not chosen one yet: the set
// written for the language of the session when it is installed, otherwise
// "Default". A set the player chose is kept in the configuration and never
// passes through here.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The language the session's messages are in, as the locale variables give
// it: the first entry of LANGUAGE, else LC_ALL, LC_MESSAGES, LANG, the first
// of them that is set and not empty ("de_AT.UTF-8", "es"); empty when none
// is. `lookup` reads a variable (std::getenv by default).
std::string sessionLanguage(const std::function<const char*(const char*)>& lookup = {});

// "Allgemeinwissen" for a German language, "Cultura general" for a Spanish
// one, when `installed` lists that set; "Default" otherwise.
std::u16string firstSetFor(const std::vector<std::u16string>& installed, std::string_view language);

} // namespace qv
