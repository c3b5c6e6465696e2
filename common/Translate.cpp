// SPDX-License-Identifier: MIT
#include "common/Translate.h"

#include "common/Paths.h"
#include "common/Utf16.h"

#include <libintl.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <system_error>

// glibc's count of catalogue changes: raising it makes gettext look up its
// texts again after LANGUAGE changed while the program runs.
extern "C" int _nl_msg_cat_cntr;

namespace qv {

namespace {

const char* domain = i18n::gameDomain;
std::string sessionList;
std::string chosen;
std::atomic<std::uint32_t> generation{0};

bool isPlainC(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

// "de_DE.UTF-8@euro" gives "de_DE:de"; "C" and "POSIX" give nothing.
std::string languagesOfLocale(const std::string& locale) {
    if (locale.empty() || isPlainC(locale.c_str())) {
        return {};
    }
    std::string name = locale.substr(0, locale.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    if (underscore == std::string::npos) {
        return name;
    }
    return name + ":" + name.substr(0, underscore);
}

void applyLanguages(const std::string& list) {
    if (list.empty()) {
        unsetenv("LANGUAGE");
    } else {
        setenv("LANGUAGE", list.c_str(), 1);
    }
    ++_nl_msg_cat_cntr;
    ++generation;
}

// The grouping character of a language, read from how its catalogue writes
// a sample amount: "1.000.000" gives ".", "1 000 000" gives " ".
std::u16string separatorIn(const std::u16string& sample, std::size_t groups) {
    // The sample is "1", then `groups` times a separator and "000".
    if (sample.size() < 1 + groups * 3 || sample.front() != u'1') {
        return {};
    }
    const std::size_t separatorLength = (sample.size() - 1 - groups * 3) / groups;
    if (1 + groups * (3 + separatorLength) != sample.size()) {
        return {};
    }
    const std::u16string separator = sample.substr(1, separatorLength);
    std::u16string rebuilt = u"1";
    for (std::size_t i = 0; i < groups; ++i) {
        rebuilt += separator;
        rebuilt += u"000";
    }
    if (rebuilt != sample) {
        return {};
    }
    return separator;
}

} // namespace

std::u16string tr(const char* msgid) {
    return utf16FromUtf8Lossy(dgettext(domain, msgid));
}

std::u16string trn(const char* singular, const char* plural, unsigned long n) {
    return utf16FromUtf8Lossy(dngettext(domain, singular, plural, n));
}

std::string tr8(const char* msgid) {
    return utf8FromUtf16(tr(msgid));
}

std::u16string trc(const char* context, const char* msgid) {
    // A text with a context is looked up as "context\004msgid", as pgettext does.
    std::string key = context;
    key += '\004';
    key += msgid;
    const char* found = dgettext(domain, key.c_str());
    return utf16FromUtf8Lossy(found == key.c_str() ? msgid : found);
}

std::u16string formatAmount(long long n) {
    const bool negative = n < 0;
    const std::string digits = std::to_string(negative ? -(n + 1) + 1ULL : n + 0ULL);
    // Two samples, because some languages group four-digit amounts and
    // others only longer ones.
    std::u16string separator;
    if (digits.size() <= 4) {
        const std::u16string sample =
            // TRANSLATORS: one thousand as amounts are written in your language
            // ("1000", "1.000" or "1 000"); only its digit grouping is read.
            trc("amount with four digits, grouped as the language writes it", "1000");
        separator = separatorIn(sample, 1);
    } else {
        const std::u16string sample =
            // TRANSLATORS: one million as amounts are written in your language
            // ("1000000", "1.000.000" or "1 000 000"); only its digit grouping is read.
            trc("amount with seven digits, grouped as the language writes it", "1000000");
        separator = separatorIn(sample, 2);
    }
    std::u16string out;
    if (negative) {
        out += u'-';
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += separator;
        }
        out += static_cast<char16_t>(digits[i]);
    }
    return out;
}

std::u16string fillPlaceholders(std::u16string_view pattern, std::u16string_view first,
                                std::u16string_view second) {
    std::u16string out;
    out.reserve(pattern.size() + first.size() + second.size());
    int used = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            // A translation may put the values in another order: "%2$s".
            std::size_t at = i + 1;
            int chosen = used;
            if (at + 2 < pattern.size() && (pattern[at] == u'1' || pattern[at] == u'2') &&
                pattern[at + 1] == u'$') {
                chosen = pattern[at] - u'1';
                at += 2;
            }
            if (at < pattern.size() && (pattern[at] == u'd' || pattern[at] == u's')) {
                out += chosen == 0 ? first : second;
                if (chosen == used) {
                    ++used;
                }
                i = at;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string fillPlaceholders(std::string_view pattern, std::string_view first,
                             std::string_view second) {
    return utf8FromUtf16(fillPlaceholders(utf16FromUtf8Lossy(pattern), utf16FromUtf8Lossy(first),
                                          utf16FromUtf8Lossy(second)));
}

namespace i18n {

std::filesystem::path localeFolder() {
    return programFolder() / "locale";
}

std::string sessionLanguages() {
    const std::string language = environmentValue("LANGUAGE");
    if (!language.empty()) {
        return language;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string value = environmentValue(name);
        if (!value.empty()) {
            return languagesOfLocale(value);
        }
    }
    return {};
}

void setUp(const std::filesystem::path& folder, const char* textDomain) {
    domain = textDomain;
    // Only messages follow the session: numbers in files and switches keep
    // reading with a decimal point, and the characters stay "C", under which
    // SDL names the window in plain STRING properties that every window
    // manager and tool reads (a UTF-8 LC_CTYPE makes Xlib write WM_NAME as
    // "UTF-8", which some cannot). The texts come out in UTF-8 whatever
    // LC_CTYPE is, through the domain's bound codeset.
    const char* messages = std::setlocale(LC_MESSAGES, "");
    if (messages == nullptr || isPlainC(messages)) {
        // gettext ignores LANGUAGE under the plain C locale, and a locale the
        // machine does not have installed gives no language at all; C.UTF-8
        // lets the language follow the variables in both cases.
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    sessionList = sessionLanguages();
    bindtextdomain(domain, folder.c_str());
    bind_textdomain_codeset(domain, "UTF-8");
    applyLanguages(sessionList);
}

void chooseLanguage(const std::string& code) {
    chosen = code;
    applyLanguages(code.empty() ? sessionList : code);
}

bool isLanguageCode(std::string_view code) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (code.empty() || code.size() > 32 || !letter(code.front())) {
        return false;
    }
    return std::all_of(code.begin(), code.end(), [&letter](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' || c == '@';
    });
}

const std::string& chosenLanguage() {
    return chosen;
}

std::string currentLanguages() {
    return chosen.empty() ? sessionList : chosen;
}

std::uint32_t languageGeneration() {
    return generation.load();
}

std::vector<std::string> installedLanguages(const std::filesystem::path& folder,
                                            const char* textDomain) {
    std::vector<std::string> codes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const auto mo = entry.path() / "LC_MESSAGES" / (std::string(textDomain) + ".mo");
        if (std::filesystem::is_regular_file(mo, error)) {
            codes.push_back(entry.path().filename().string());
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

} // namespace i18n
} // namespace qv
