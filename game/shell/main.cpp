// SPDX-License-Identifier: MIT
// Showfloor: wires the platform's services into the game and runs it.

#include <iostream>
#include <string_view>
#include <vector>

#include "common/ProgramInfo.h"
#include "game/shell/LargeBlocks.h"
#include "game/shell/ShowfloorMain.h"
#include "platform/IniSettingsStore.h"
#include "platform/SdlMessageBox.h"
#include "platform/SdlRuntimeDiagnostics.h"
#include "platform/XdgShellOpener.h"

namespace {

const qv::ProgramInfo showfloorInfo{
    "Showfloor",
    "[-SWITCH]...",
    "The full-screen quiz game for one to nine players. Switches start with - or / and may\n"
    "be shortened; a value follows a colon or comes as the next argument.",
    {
        {"-windowed", "play in a 1024 x 768 window instead of full screen"},
        {"-fullscreen", "play in full screen (the default)"},
        {"-width N, -height N", "the size of the window"},
        {"-startx N, -starty N", "where the window opens"},
        {"-adapter N", "the display to play on"},
        {"-forceref", "draw with the software renderer"},
        {"-constantframetime[:S]", "advance the game S seconds a frame (0.0333)"},
        {"-quitafterframe N", "end after N frames"},
        {"-noerrormsgboxes", "report fatal errors by exit code only, without a box"},
        {"-automation", "read commands from standard input (see the manual page)"},
    },
    "Normally started by the launcher, quizvale.",
};

} // namespace

int main(int argc, char** argv) {
    // First of all, before anything allocates through SDL.
    qv::useLargeBlocksForSdl();
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (qv::answerInfoOption(showfloorInfo, arguments, std::cout)) {
        return 0;
    }
    qv::SdlMessageBox messages;
    qv::XdgShellOpener shell;
    qv::SdlRuntimeDiagnostics diagnostics;
    qv::IniSettingsStore frameworkSettings(qv::frameworkSettingsFile());
    return qv::runShowfloor({messages, shell, diagnostics, frameworkSettings}, arguments);
}
