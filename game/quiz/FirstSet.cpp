// SPDX-License-Identifier: MIT
#include "game/quiz/FirstSet.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace qv {
namespace {

struct LanguageSet {
    std::string_view language;
    std::u16string_view set;
};

constexpr std::array<LanguageSet, 2> setsByLanguage = {{
    {"de", u"Allgemeinwissen"},
    {"es", u"Cultura general"},
}};

// "de" of "de_CH.UTF-8@euro": the code runs up to the territory, the
// code set or the modifier.
std::string_view languageCode(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

} // namespace

std::string sessionLanguage(const std::function<const char*(const char*)>& lookup) {
    const auto read = [&](const char* name) -> std::string {
        const char* value = lookup ? lookup(name) : std::getenv(name);
        return value == nullptr ? std::string() : std::string(value);
    };
    // LANGUAGE is a list of preferences, "de_AT:de:en"; the first one counts.
    const std::string preferences = read("LANGUAGE");
    for (std::size_t start = 0; start < preferences.size();) {
        const std::size_t end = std::min(preferences.find(':', start), preferences.size());
        if (end > start) {
            return preferences.substr(start, end - start);
        }
        start = end + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::string value = read(name);
        if (!value.empty()) {
            return value;
        }
    }
    return {};
}

std::u16string firstSetFor(const std::vector<std::u16string>& installed,
                           std::string_view language) {
    const std::string_view code = languageCode(language);
    for (const LanguageSet& entry : setsByLanguage) {
        if (code == entry.language &&
            std::find(installed.begin(), installed.end(), entry.set) != installed.end()) {
            return std::u16string(entry.set);
        }
    }
    return u"Default";
}

} // namespace qv
