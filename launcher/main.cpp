// SPDX-License-Identifier: MIT
// Porchlight: checks the game's runtime and starts the game (or the runtime
// installer), then ends.

#include <iostream>
#include <string_view>
#include <vector>

#include "common/Paths.h"
#include "common/ProgramInfo.h"
#include "common/TextMark.h"
#include "common/qt/QtLanguage.h"
#include "launcher/Launcher.h"
#include "launcher/LoaderSystemLibraries.h"
#include "launcher/PrintingProcessStarter.h"
#include "launcher/QtMessageBox.h"
#include "launcher/QtProcessStarter.h"
#include "platform/IniSettingsStore.h"

namespace {

const qv::ProgramInfo porchlightInfo{
    "Porchlight",
    "[OPTION]...",
    QV_TR_NOOP(
        "Porchlight",
        "The launcher of Quizvale: checks that the game's graphics runtime is installed, then\n"
        "starts the game (or offers to install the runtime)."),
    {
        {"--dry-run",
         QV_TR_NOOP("Porchlight",
                    "print what would be started, one line each, instead of starting it")},
    },
    QV_TR_NOOP("Porchlight", "Installed as the command quizvale."),
    QV_TR_NOOP("Porchlight", "Usage:"),
    QV_TR_NOOP("Porchlight", "Options:"),
    QV_TR_NOOP("Porchlight", "print this help and exit"),
    QV_TR_NOOP("Porchlight", "print the version and exit"),
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    qv::QtLanguage language("porchlight");
    if (qv::answerInfoOption(language.translated(porchlightInfo, "Porchlight"), arguments,
                             std::cout)) {
        return 0;
    }
    bool dryRun = false;
    for (const std::string_view argument : arguments) {
        if (argument == "--dry-run") {
            dryRun = true;
        } else {
            std::cerr << "Porchlight: unknown option " << argument
                      << "\nTry 'Porchlight --help' for the options.\n";
            return 2;
        }
    }
    qv::IniSettingsStore settings(qv::launcherSettingsFile());
    qv::QtMessageBox messages;
    messages.setLanguage(&language);
    qv::LoaderSystemLibraries libraries;
    qv::QtProcessStarter starter;
    qv::PrintingProcessStarter printer(std::cout);
    qv::ProcessStarter& processes = dryRun ? static_cast<qv::ProcessStarter&>(printer) : starter;

    qv::Launcher launcher({settings, messages, libraries, processes});
    launcher.run(qv::programFolder());
    return 0;
}
