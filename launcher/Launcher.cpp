// SPDX-License-Identifier: MIT
#include "launcher/Launcher.h"

#include <string>
#include <system_error>

#include "common/Paths.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

MessageRequest information(std::string_view text) {
    MessageRequest request;
    request.title = std::string(Launcher::messageTitle);
    request.text = std::string(text);
    request.icon = MessageIcon::Information;
    request.buttons = MessageButtons::Ok;
    return request;
}

void enterFolder(const fs::path& folder) {
    std::error_code error;
    fs::current_path(folder, error);
}

} // namespace

fs::path launcherSettingsFile() {
    return productConfigFolder() / "Quizvale.ini";
}

void Launcher::recordPath(const fs::path& programFolder) {
    std::string path = programFolder.string();
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    // Nothing in the product reads the record back, so a store that cannot
    // be written costs nothing.
    services_.settings.writeText(std::string(pathSection), std::string(pathKey), path);
}

bool Launcher::runtimeLibraryPresent() {
    fs::path systemFolder;
    if (!services_.libraries.systemFolder(systemFolder)) {
        services_.messages.show(information(noSystemFolderText));
        // Without a system folder nothing can be checked: the game decides.
        return true;
    }
    return services_.libraries.canLoad(std::string(runtimeLibraryFile));
}

void Launcher::startInstaller(const fs::path& programFolder) {
    const fs::path installerFolder = programFolder / installerFolderName;
    enterFolder(installerFolder);
    // Through the shell, so the installer runs even where its file has lost
    // its execute permission (copied by hand, unpacked from an archive).
    StartRequest request;
    request.program = "/bin/sh";
    request.arguments = {(installerFolder / installerFile).string()};
    request.workingFolder = installerFolder;
    services_.processes.start(request);
    enterFolder(programFolder);
}

LaunchOutcome Launcher::run(const fs::path& programFolder) {
    recordPath(programFolder);
    // Started through a link or a menu entry, the launcher may be anywhere;
    // the game and the installer are found from here on.
    enterFolder(programFolder);
    if (!runtimeLibraryPresent()) {
        services_.messages.show(information(missingLibraryText));
        startInstaller(programFolder);
        return LaunchOutcome::InstallerStarted;
    }
    StartRequest request;
    request.program = programFolder / gameFile;
    request.workingFolder = programFolder;
    services_.processes.start(request);
    return LaunchOutcome::GameStarted;
}

} // namespace qv
