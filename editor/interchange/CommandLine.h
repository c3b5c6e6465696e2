// SPDX-License-Identifier: MIT
#pragma once
// Setwright's commands that work without a window: importing a file of
// questions into a set, exporting a set as CSV, checking a set.

#include "editor/model/SetLock.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace qv::interchange {

// The lines that describe the commands, for usage messages and --help.
std::string_view commandLineUsage();

// True when `args` (without the program name) ask for one of the commands.
bool isInterchangeCommand(std::span<const char* const> args);

// Runs the command `args` ask for and returns the exit code: 0 done, 1 done
// with problems (records skipped, a set that fails its check), 2 nothing
// done. `setsFolder` is asked only when a set is needed. With a `lock`, an
// import first takes the set's lock and refuses (2) a set a window holds;
// the lock is held until `lock` gives it up.
int runCommandLine(std::span<const char* const> args,
                   const std::function<std::filesystem::path()>& setsFolder, std::ostream& out,
                   std::ostream& err, SetLock* lock = nullptr);

} // namespace qv::interchange
