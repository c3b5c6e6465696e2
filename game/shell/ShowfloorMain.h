// SPDX-License-Identifier: MIT
#pragma once
// The start of the game, step by step, with the platform services given
// from outside so that the whole sequence can run under test.

#include <span>
#include <string_view>

#include "platform/MessageBox.h"
#include "platform/RuntimeDiagnostics.h"
#include "platform/SettingsStore.h"
#include "platform/ShellOpener.h"

namespace qv {

struct PlatformServices {
    MessageBox& messages;
    ShellOpener& shell;
    RuntimeDiagnostics& diagnostics;
    SettingsStore& frameworkSettings;
};

// Enters the program folder, checks the graphics runtime, creates the game,
// the window "Game" and a full-screen 1024 x 768 device, and runs the main
// loop. Returns the exit code. `arguments` excludes the program name.
int runShowfloor(PlatformServices services, std::span<const std::string_view> arguments);

} // namespace qv
