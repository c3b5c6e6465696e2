#include "game/shell/ProgramFolder.h"

#include <system_error>

#include "common/Paths.h"

namespace qv {

std::filesystem::path enterProgramFolder() {
    const std::filesystem::path folder = programFolder();
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return folder;
}

std::filesystem::path resourcesFolder() { return programFolder() / "Resources"; }

} // namespace qv
