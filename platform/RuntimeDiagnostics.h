// SPDX-License-Identifier: MIT
#pragma once
// What the system can tell about the graphics runtime installed: a report of
// the runtime's version, and the versions of the library files in the system
// library folder.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qv {

// The three values of the system report.
struct RuntimeReport {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    // May be empty; only its first character counts.
    std::string letter;
};

// A library file's version, most significant part first.
using FileVersion = std::array<std::uint32_t, 4>;

class RuntimeDiagnostics {
public:
    virtual ~RuntimeDiagnostics() = default;
    // False when the report or any of its three values could not be had.
    virtual bool query(RuntimeReport& report) = 0;
    // Empty when the system does not tell.
    virtual std::filesystem::path systemFolder() = 0;
    // False when the file does not exist or carries no version.
    virtual bool fileVersion(const std::filesystem::path& file, FileVersion& version) = 0;
};

} // namespace qv
