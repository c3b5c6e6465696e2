// SPDX-License-Identifier: MIT
#pragma once
// Porchlight's whole run: record where the product lives, make sure the game's
// graphics runtime library can be loaded (offering the runtime installer from
// the product's DirectX folder when it cannot), otherwise start Showfloor, and
// end. It has no window; everything it says is said in message boxes.

#include <filesystem>
#include <string_view>

#include "common/TextMark.h"
#include "launcher/ProcessStarter.h"
#include "launcher/SystemLibraries.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

namespace qv {

struct LauncherServices {
    SettingsStore& settings;
    MessageBox& messages;
    SystemLibraries& libraries;
    ProcessStarter& processes;
};

enum class LaunchOutcome { GameStarted, InstallerStarted };

class Launcher {
public:
    // The library the game cannot start without.
    static constexpr std::string_view runtimeLibraryFile = "libSDL2-2.0.so.0";
    // The product's runtime installer: this file in this folder of the
    // program folder.
    static constexpr std::string_view installerFolderName = "DirectX";
    static constexpr std::string_view installerFile = "install-runtime.sh";
    static constexpr std::string_view gameFile = "Showfloor";
    // Where the program folder is recorded in the settings store.
    static constexpr std::string_view pathSection = "Quizvale";
    static constexpr std::string_view pathKey = "Path";

    // The messages, marked for the launcher's Qt catalogue: its message box
    // shows them in the session's language.
    static constexpr std::string_view messageTitle =
        QV_TR_NOOP("Porchlight", "DirectX9 Installation");
    static constexpr std::string_view noSystemFolderText =
        QV_TR_NOOP("Porchlight", "Cannot find your Windows System folder");
    static constexpr std::string_view missingLibraryText = QV_TR_NOOP(
        "Porchlight",
        "Although you have DirectX9 installed, you still need to make sure that a particular "
        "DirectX9 file (libSDL2-2.0.so.0) is installed,\nwhich may not have been included in "
        "your version of DirectX9.\n\nPlease use the following installer to add this file, then "
        "restart Quizvale when finished\n(Note: if for any reason the install fails, you can "
        "install manually by running 'install-runtime.sh' from the 'DirectX' folder, located "
        "inside your 'Quizvale' folder)");

    explicit Launcher(LauncherServices services) : services_(services) {}

    // Runs every step for the launcher found in `programFolder`. Leaves the
    // program folder as the current folder. What was started is not checked:
    // a program that cannot be started is not reported.
    LaunchOutcome run(const std::filesystem::path& programFolder);

private:
    void recordPath(const std::filesystem::path& programFolder);
    bool runtimeLibraryPresent();
    void startInstaller(const std::filesystem::path& programFolder);

    LauncherServices services_;
};

// Porchlight's settings file: <user config folder>/Quizvale/Quizvale.ini.
std::filesystem::path launcherSettingsFile();

} // namespace qv
