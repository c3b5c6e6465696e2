// SPDX-License-Identifier: MIT
#pragma once
// Settings kept in one INI file, read afresh for every question and written
// atomically for every change, so that two programs of the product never
// overwrite each other's entries with a stale copy.

#include <filesystem>

#include "platform/SettingsStore.h"

namespace qv {

class IniSettingsStore : public SettingsStore {
public:
    // The file need not exist yet; its folder is created on the first write.
    explicit IniSettingsStore(std::filesystem::path file);

    bool readNumber(const std::string& section, const std::string& key,
                    std::uint32_t& value) override;
    bool readText(const std::string& section, const std::string& key, std::string& value) override;
    bool writeNumber(const std::string& section, const std::string& key,
                     std::uint32_t value) override;
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

// Where the game's framework keeps its own per-user settings:
// <user config folder>/Quizvale/Showfloor.ini.
std::filesystem::path frameworkSettingsFile();

} // namespace qv
