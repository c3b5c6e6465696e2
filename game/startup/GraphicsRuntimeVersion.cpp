// SPDX-License-Identifier: MIT
#include "game/startup/GraphicsRuntimeVersion.h"

#include <array>
#include <cstdio>

namespace qv {

namespace {

struct LibraryRelease {
    const char* file;
    FileVersion atLeast;
    std::uint32_t major;
    std::uint32_t minor;
    char letter;
};

// The runtime's files, oldest release first; each one present at its version
// raises the result. Only the runtime library itself is known here, and it
// cannot tell 9.0c from older, so this method never passes the check.
constexpr std::array<LibraryRelease, 1> libraryReleases{{
    {"libSDL2-2.0.so.0", {0, 0, 0, 0}, 9, 0, ' '},
}};

char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool fromReport(RuntimeDiagnostics& diagnostics, std::uint32_t& major, std::uint32_t& minor,
                char& letter) {
    RuntimeReport report;
    if (!diagnostics.query(report)) {
        return false;
    }
    major = report.major;
    minor = report.minor;
    if (!report.letter.empty()) {
        letter = report.letter.front();
    }
    return true;
}

void fromFiles(RuntimeDiagnostics& diagnostics, std::uint32_t& major, std::uint32_t& minor,
               char& letter) {
    major = 0;
    minor = 0;
    letter = ' ';
    const std::filesystem::path folder = diagnostics.systemFolder();
    if (folder.empty()) {
        return;
    }
    for (const LibraryRelease& release : libraryReleases) {
        FileVersion version{};
        if (diagnostics.fileVersion(folder / release.file, version) && version >= release.atLeast) {
            major = release.major;
            minor = release.minor;
            letter = release.letter;
        }
    }
}

} // namespace

std::uint32_t runtimeVersionNumber(std::uint32_t major, std::uint32_t minor, char letter) {
    letter = lowered(letter);
    const std::uint32_t letterValue =
        (letter >= 'a' && letter <= 'z') ? static_cast<std::uint32_t>(letter - 'a' + 1) : 0;
    return (major << 16) + (minor << 8) + letterValue;
}

std::string runtimeVersionText(std::uint32_t major, std::uint32_t minor, char letter) {
    letter = lowered(letter);
    char buffer[48];
    if (letter >= 'a' && letter <= 'z') {
        std::snprintf(buffer, sizeof buffer, "%u.%u%c", major, minor, letter);
    } else {
        std::snprintf(buffer, sizeof buffer, "%u.%u", major, minor);
    }
    return buffer;
}

bool detectRuntimeVersion(RuntimeDiagnostics& diagnostics, std::uint32_t& number, std::string& text,
                          std::size_t textCapacity) {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    char letter = ' ';
    if (!fromReport(diagnostics, major, minor, letter)) {
        fromFiles(diagnostics, major, minor, letter);
    }
    number = runtimeVersionNumber(major, minor, letter);
    text = runtimeVersionText(major, minor, letter);
    if (textCapacity == 0) {
        text.clear();
    } else if (text.size() > textCapacity - 1) {
        text.resize(textCapacity - 1);
    }
    return true;
}

} // namespace qv
