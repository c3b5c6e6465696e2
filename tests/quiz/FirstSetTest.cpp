// SPDX-License-Identifier: MIT
// Which set a player who has not chosen one starts with: the session's
// language as the locale variables give it, and the set of that language
// only when it is installed.

#include "game/quiz/FirstSet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace qv {
namespace {

std::string languageOf(const std::map<std::string, std::string>& variables) {
    return sessionLanguage([&](const char* name) -> const char* {
        const auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    });
}

TEST(FirstSet, TheSessionLanguageComesFromTheFirstVariableThatIsSet) {
    struct Case {
        std::map<std::string, std::string> variables;
        std::string language;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de_DE.UTF-8"},
        {{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "es_MX.UTF-8"}}, "es_MX.UTF-8"},
        {{{"LC_MESSAGES", "es_ES"}, {"LC_ALL", "de_AT.UTF-8"}}, "de_AT.UTF-8"},
        {{{"LC_ALL", "en_US.UTF-8"}, {"LANGUAGE", "es:en"}}, "es"},
        // Empty counts as unset, in the list as in each variable.
        {{{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "de_CH.UTF-8"}}, "de_CH.UTF-8"},
        {{{"LANGUAGE", "::de_AT:de"}, {"LANG", "en_GB.UTF-8"}}, "de_AT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(languageOf(c.variables), c.language);
    }
}

TEST(FirstSet, AGermanOrSpanishSessionStartsWithItsOwnSetWhenItIsInstalled) {
    const std::vector<std::u16string> all = {u"Allgemeinwissen", u"Cultura general", u"Default",
                                             u"Family", u"Pictures"};
    const std::vector<std::u16string> english = {u"Default", u"Family", u"Pictures"};
    struct Case {
        const std::vector<std::u16string>* installed;
        std::string language;
        std::u16string set;
    };
    const Case cases[] = {
        {&all, "de_DE.UTF-8", u"Allgemeinwissen"},
        {&all, "de_AT@euro", u"Allgemeinwissen"},
        {&all, "es_AR.UTF-8", u"Cultura general"},
        {&all, "en_GB.UTF-8", u"Default"},
        {&all, "C.UTF-8", u"Default"},
        // Languages that merely start with the same letters.
        {&all, "dsb_DE.UTF-8", u"Default"},
        {&all, "est", u"Default"},
        // Without the language's set, the English one.
        {&english, "de_DE.UTF-8", u"Default"},
        {&english, "es_ES.UTF-8", u"Default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(firstSetFor(*c.installed, c.language), c.set);
    }
}

} // namespace
} // namespace qv
