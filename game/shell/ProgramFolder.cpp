// SPDX-License-Identifier: MIT
#include "game/shell/ProgramFolder.h"

#include <system_error>

#include "common/Paths.h"

namespace qv {

namespace {

std::filesystem::path& rememberedStart() {
    static std::filesystem::path start;
    return start;
}

} // namespace

std::filesystem::path startFolder() {
    if (rememberedStart().empty()) {
        std::error_code error;
        rememberedStart() = std::filesystem::current_path(error);
    }
    return rememberedStart();
}

std::filesystem::path enterProgramFolder() {
    startFolder();
    const std::filesystem::path folder = programFolder();
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return folder;
}

} // namespace qv
