// SPDX-License-Identifier: MIT
#include "platform/SdlRuntimeDiagnostics.h"

#include <charconv>
#include <system_error>

#include <SDL.h>
#include <dlfcn.h>

namespace qv {

bool sdlRuntimeNewEnough() {
    SDL_version linked{};
    SDL_GetVersion(&linked);
    return SDL_VERSIONNUM(linked.major, linked.minor, linked.patch) >=
           SDL_VERSIONNUM(requiredSdlMajor, requiredSdlMinor, requiredSdlPatch);
}

bool SdlRuntimeDiagnostics::query(RuntimeReport& report) {
    report.major = 9;
    report.minor = 0;
    report.letter.assign(1, sdlRuntimeNewEnough() ? 'c' : 'b');
    return true;
}

std::filesystem::path SdlRuntimeDiagnostics::systemFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&SDL_GetVersion), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path library = std::filesystem::canonical(info.dli_fname, error);
    return error ? std::filesystem::path{} : library.parent_path();
}

bool SdlRuntimeDiagnostics::fileVersion(const std::filesystem::path& file, FileVersion& version) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(file, error);
    if (error || !std::filesystem::is_regular_file(real, error)) {
        return false;
    }
    const std::string name = real.filename().string();
    const std::size_t so = name.rfind(".so.");
    if (so == std::string::npos) {
        return false;
    }
    FileVersion parts{};
    const char* p = name.data() + so + 4;
    const char* end = name.data() + name.size();
    for (std::size_t i = 0; i < parts.size() && p < end; ++i) {
        const auto [last, ec] = std::from_chars(p, end, parts[i]);
        if (ec != std::errc{}) {
            return false;
        }
        p = (last < end && *last == '.') ? last + 1 : last;
        if (last < end && *last != '.') {
            return false;
        }
    }
    version = parts;
    return true;
}

} // namespace qv
