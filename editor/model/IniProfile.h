#pragma once
// The editor's profile as an INI file, read afresh at every read and written
// atomically at every write, so that two runs never leave half a file.

#include "editor/model/Profile.h"

#include <filesystem>

namespace qv {

class IniProfile : public Profile {
public:
    explicit IniProfile(std::filesystem::path file) : file_(std::move(file)) {}

    // <user config folder>/Quizvale/Setwright.INI
    static std::filesystem::path defaultLocation();

    std::string read(const std::string& section, const std::string& key) override;
    // Creates the profile's folder when it is missing.
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override;

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace qv
