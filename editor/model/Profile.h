// SPDX-License-Identifier: MIT
#pragma once
// Values the editor keeps between runs, by section and key.

#include <string>

namespace qv {

class Profile {
public:
    virtual ~Profile() = default;

    // The stored value; empty when the profile, the section or the key is missing.
    virtual std::string read(const std::string& section, const std::string& key) = 0;

    // Stores a value; false when it could not be written.
    virtual bool write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

} // namespace qv
