// SPDX-License-Identifier: MIT
#pragma once
// A settings store for tests: entries live in memory; writes can be made to
// fail.

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "common/IniFile.h"
#include "platform/SettingsStore.h"

namespace qv {

class MemorySettingsStore : public SettingsStore {
public:
    bool readNumber(const std::string& section, const std::string& key,
                    std::uint32_t& value) override {
        const std::optional<std::string> found = entries.find(section, key);
        if (!found) {
            return false;
        }
        std::uint32_t number = 0;
        const char* end = found->data() + found->size();
        const auto [last, ec] = std::from_chars(found->data(), end, number);
        if (ec != std::errc{} || last != end) {
            return false;
        }
        value = number;
        return true;
    }
    bool readText(const std::string& section, const std::string& key, std::string& value) override {
        const std::optional<std::string> found = entries.find(section, key);
        if (found) {
            value = *found;
        }
        return found.has_value();
    }
    bool writeNumber(const std::string& section, const std::string& key,
                     std::uint32_t value) override {
        return writeText(section, key, std::to_string(value));
    }
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override {
        if (failWrites) {
            return false;
        }
        entries.setValue(section, key, value);
        ++writes;
        return true;
    }

    IniFile entries;
    bool failWrites = false;
    int writes = 0;
};

} // namespace qv
