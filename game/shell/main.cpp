// Showfloor: wires the platform's services into the game and runs it.

#include <string_view>
#include <vector>

#include "game/shell/ShowfloorMain.h"
#include "platform/IniSettingsStore.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlRuntimeDiagnostics.h"
#include "platform/XdgShellOpener.h"

int main(int argc, char** argv) {
    qv::SdlMessageBox messages;
    qv::XdgShellOpener shell;
    qv::SdlRuntimeDiagnostics diagnostics;
    qv::IniSettingsStore frameworkSettings(qv::frameworkSettingsFile());
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return qv::runShowfloor({messages, shell, diagnostics, frameworkSettings}, arguments);
}
