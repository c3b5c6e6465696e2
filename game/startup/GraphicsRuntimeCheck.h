// SPDX-License-Identifier: MIT
#pragma once
// The first thing the game does: make sure the graphics runtime is new enough,
// and otherwise walk the user through getting a newer one and end.

#include "platform/MessageBox.h"
#include "platform/RuntimeDiagnostics.h"
#include "platform/ShellOpener.h"

namespace qv {

// Where the messages send the user for a newer runtime.
inline constexpr const char* runtimeDownloadSite = "www.libsdl.org";
inline constexpr const char* runtimeDownloadHost = "www.libsdl.org";
inline constexpr const char* runtimeDownloadPage = "https://www.libsdl.org/download-2.0.php";

// True when start-up goes on. False when the runtime is too old: the messages
// have been shown (and the download page opened if the user wanted it), and
// the program ends with exit code 0.
bool checkGraphicsRuntime(RuntimeDiagnostics& diagnostics, MessageBox& messages,
                          ShellOpener& shell);

} // namespace qv
