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

std::string spokenLanguage() {
    const std::vector<std::string> installed = gameLanguages();
    const std::string languages = i18n::currentLanguages();
    std::size_t start = 0;
    while (start < languages.size()) {
        std::size_t end = languages.find(':', start);
        if (end == std::string::npos) {
            end = languages.size();
        }
        std::string code = languages.substr(start, end - start);
        if (!code.empty() &&
            std::find(installed.begin(), installed.end(), code) != installed.end()) {
            std::replace(code.begin(), code.end(), '_', '-');
            return code;
        }
        start = end + 1;
    }
    return "en";
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
