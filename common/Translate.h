// SPDX-License-Identifier: MIT
#pragma once
// The game's texts in the player's language, through the gettext catalogues
// (one .mo per language under the product's locale folder). English is the
// source language: a text missing from a catalogue shows as written in code.
//
// Texts are marked for xgettext with tr (one text), trn (a text with plural
// forms), trc (a text with a context that tells translators where it stands)
// and N_ (marked only, translated later through tr).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#define N_(text) text

namespace qv {

// The translated text, UTF-16 for the game's drawing.
std::u16string tr(const char* msgid);
// The form for `n` of a text with plural forms.
std::u16string trn(const char* singular, const char* plural, unsigned long n);
// A text whose English words alone do not say enough to translate them.
std::u16string trc(const char* context, const char* msgid);
// The translated text in UTF-8, for message boxes, standard output and
// error lines.
std::string tr8(const char* msgid);

// Fills the "%d" and "%s" placeholders of a translated text with values
// already written out, in order; "%1$s" and "%2$d" name the value, for
// languages that put the two the other way round.
std::u16string fillPlaceholders(std::u16string_view pattern, std::u16string_view first,
                                std::u16string_view second = {});
// The same for UTF-8 texts.
std::string fillPlaceholders(std::string_view pattern, std::string_view first,
                             std::string_view second = {});

// `n` with its digits grouped as the language writes amounts ("1000000" in
// English as the game has always shown it, "1.000.000" in German).
std::u16string formatAmount(long long n);

namespace i18n {

// The game's catalogue domain.
inline constexpr const char* gameDomain = "showfloor";

// The locale folder beside the program file (or an installed product's).
std::filesystem::path localeFolder();

// Sets the locale's messages from the session (falling back to C.UTF-8 when
// the session's locale is not installed, so the catalogues still work) and binds
// `domain` to `folder`. Call once at start-up, before any tr().
void setUp(const std::filesystem::path& folder, const char* domain);

// The session's language list as gettext reads it: LANGUAGE, then LC_ALL,
// LC_MESSAGES, LANG ("de_DE.UTF-8" gives "de_DE:de"); empty for C/POSIX.
std::string sessionLanguages();

// Switches every following tr() to `code` ("de", "pl"...); an empty code
// goes back to the session's languages. Takes effect at once.
void chooseLanguage(const std::string& code);

// Whether `code` has the form of a language code ("de", "pt_BR",
// "sr@latin", "qps"): 1 to 32 letters, digits, '_', '-', '.' or '@',
// beginning with a letter. Codes read from files are checked with it before
// they reach the environment or a path.
bool isLanguageCode(std::string_view code);

// The code chosen with chooseLanguage, empty when following the session.
const std::string& chosenLanguage();

// Counts every change of language, so drawn texts know to fetch theirs again.
// A screen that shows translated texts keeps the value it set them under and,
// in its update, sets them again when this differs:
//
//     if (textsLanguage_ != i18n::languageGeneration()) {
//         textsLanguage_ = i18n::languageGeneration();
//         label.setText(tr("..."));
//     }
//
// A text composed for one moment (a host's line) keeps its language until
// the next one is composed.
std::uint32_t languageGeneration();

// The language list gettext follows now ("de", "de_DE:de", "qps"), empty
// for English.
std::string currentLanguages();

// The languages with a catalogue in `folder` (codes such as "de"), sorted,
// English not included.
std::vector<std::string> installedLanguages(const std::filesystem::path& folder,
                                            const char* domain);

} // namespace i18n
} // namespace qv
