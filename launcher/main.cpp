// Porchlight: checks the game's runtime and starts the game (or the runtime
// installer), then ends. It takes no arguments.

#include <iostream>

#include "common/Paths.h"
#include "launcher/Launcher.h"
#include "launcher/LoaderSystemLibraries.h"
#include "launcher/PrintingProcessStarter.h"
#include "launcher/QtMessageBox.h"
#include "launcher/QtProcessStarter.h"
#include "platform/IniSettingsStore.h"

int main() {
    qv::IniSettingsStore settings(qv::launcherSettingsFile());
    qv::QtMessageBox messages;
    qv::LoaderSystemLibraries libraries;
    qv::QtProcessStarter starter;
    // For checks of an installed product: say what would be started instead.
    qv::PrintingProcessStarter printer(std::cout);
    const bool printOnly = !qv::environmentValue("QV_LAUNCHER_PRINT_ONLY").empty();
    qv::ProcessStarter& processes = printOnly ? static_cast<qv::ProcessStarter&>(printer) : starter;

    qv::Launcher launcher({settings, messages, libraries, processes});
    launcher.run(qv::programFolder());
    return 0;
}
