// SPDX-License-Identifier: MIT
#pragma once
// The language the game speaks: the session's unless the player chose one in
// Settings, kept in the game's INI settings (section "Showfloor", key
// "Language"; an empty value follows the session). Config.txt never holds it.

#include <string>
#include <vector>

namespace qv {

class SettingsStore;

// Applies the language kept in `settings`, if any; a value that is no
// language code is ignored and the session's language stays.
void chooseSavedLanguage(SettingsStore& settings);

// "" for the session's language, then the codes with a catalogue beside the
// program, sorted.
std::vector<std::string> gameLanguages();

// The language the game's texts are in now, as a page names it ("de",
// "pt-BR"): the first of gettext's languages with a catalogue, else "en".
std::string spokenLanguage();

// Switches to `code` at once ("" = the session's) and keeps it in
// `settings`. False, changing nothing, for a code that is neither "" nor one
// of gameLanguages().
bool chooseGameLanguage(SettingsStore& settings, const std::string& code);

} // namespace qv
