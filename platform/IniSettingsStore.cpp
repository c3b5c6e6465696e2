// SPDX-License-Identifier: MIT
#include "platform/IniSettingsStore.h"

#include <charconv>
#include <system_error>

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/IniFile.h"

namespace qv {

namespace {

// A settings file is a handful of lines; anything bigger is not ours.
constexpr std::size_t maxSettingsBytes = 1 << 20;

bool load(const std::filesystem::path& file, IniFile& ini) {
    std::string text;
    if (!readWholeFile(file, text, maxSettingsBytes)) {
        return false;
    }
    ini.parse(text);
    return true;
}

bool store(const std::filesystem::path& file, const std::string& section, const std::string& key,
           const std::string& value) {
    IniFile ini;
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        // An existing file that cannot be read must not be replaced by one
        // that holds only the new entry.
        if (!load(file, ini)) {
            return false;
        }
    }
    ini.setValue(section, key, value);
    std::filesystem::create_directories(file.parent_path(), error);
    return writeFileAtomically(file, ini.text());
}

} // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

bool IniSettingsStore::readNumber(const std::string& section, const std::string& key,
                                  std::uint32_t& value) {
    std::string text;
    if (!readText(section, key, text)) {
        return false;
    }
    std::uint32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc{} || last != end) {
        return false;
    }
    value = number;
    return true;
}

bool IniSettingsStore::readText(const std::string& section, const std::string& key,
                                std::string& value) {
    IniFile ini;
    if (!load(file_, ini)) {
        return false;
    }
    const std::optional<std::string> found = ini.find(section, key);
    if (!found) {
        return false;
    }
    value = *found;
    return true;
}

bool IniSettingsStore::writeNumber(const std::string& section, const std::string& key,
                                   std::uint32_t value) {
    return store(file_, section, key, std::to_string(value));
}

bool IniSettingsStore::writeText(const std::string& section, const std::string& key,
                                 const std::string& value) {
    return store(file_, section, key, value);
}

std::filesystem::path frameworkSettingsFile() {
    return productConfigFolder() / "Showfloor.ini";
}

} // namespace qv
