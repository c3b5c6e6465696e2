// SPDX-License-Identifier: MIT
#pragma once
// The editor's profile as an INI file, kept by the platform's settings store:
// read afresh at every read and written atomically at every write, and never
// replaced when the file is there but cannot be read.

#include "editor/model/Profile.h"
#include "platform/IniSettingsStore.h"

#include <filesystem>

namespace qv {

class IniProfile : public Profile {
public:
    explicit IniProfile(std::filesystem::path file) : store_(std::move(file)) {}

    // <user config folder>/Quizvale/Setwright.INI
    static std::filesystem::path defaultLocation();

    std::string read(const std::string& section, const std::string& key) override;
    // Creates the profile's folder when it is missing.
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;

    const std::filesystem::path& file() const { return store_.file(); }

private:
    IniSettingsStore store_;
};

} // namespace qv
