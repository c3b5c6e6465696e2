// SPDX-License-Identifier: MIT
#include "game/shell/GameLanguage.h"

#include <algorithm>

#include "common/Translate.h"
#include "platform/SettingsStore.h"

namespace qv {

namespace {

constexpr const char* section = "Showfloor";
constexpr const char* languageKey = "Language";

} // namespace

void chooseSavedLanguage(SettingsStore& settings) {
    std::string code;
    if (settings.readText(section, languageKey, code) && i18n::isLanguageCode(code)) {
        i18n::chooseLanguage(code);
    }
}

std::vector<std::string> gameLanguages() {
    std::vector<std::string> codes{""};
    for (std::string& code : i18n::installedLanguages(i18n::localeFolder(), i18n::gameDomain)) {
        if (i18n::isLanguageCode(code)) {
            codes.push_back(std::move(code));
        }
    }
    return codes;
}

bool chooseGameLanguage(SettingsStore& settings, const std::string& code) {
    const std::vector<std::string> codes = gameLanguages();
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) {
        return false;
    }
    i18n::chooseLanguage(code);
    settings.writeText(section, languageKey, code);
    return true;
}

} // namespace qv
