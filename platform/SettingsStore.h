// SPDX-License-Identifier: MIT
#pragma once
// Small per-user settings: named whole numbers and texts in named sections,
// kept where the platform keeps such things (an INI file here).

#include <cstdint>
#include <string>

namespace qv {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // False, with `value` untouched, when the entry is missing or unreadable.
    virtual bool readNumber(const std::string& section, const std::string& key,
                            std::uint32_t& value) = 0;
    virtual bool readText(const std::string& section, const std::string& key,
                          std::string& value) = 0;
    // Stored at once; false when the store could not be written (the previous
    // store is then left whole).
    virtual bool writeNumber(const std::string& section, const std::string& key,
                             std::uint32_t value) = 0;
    virtual bool writeText(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

} // namespace qv
