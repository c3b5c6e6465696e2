// SPDX-License-Identifier: MIT
#pragma once
// The one place that decides where the product's Resources folder is.

#include <filesystem>

namespace qv {

// The shipped Resources folder beside the program file.
std::filesystem::path shippedResourcesFolder();

// The Resources folder the programs read and write. When the shipped folder
// (or, where it is missing, the program folder) can be written, that is it.
// Otherwise (a system-wide install) it is a per-user copy under
// $XDG_DATA_HOME/Quizvale/Resources, brought up to date from the shipped one
// on every call: missing files are copied, nothing there is overwritten, so
// nothing a user saved is lost.
std::filesystem::path resourcesFolder();

// The same decision for an explicit pair of folders; `shippedWritable` says
// whether the shipped folder can be written.
std::filesystem::path chooseResourcesFolder(const std::filesystem::path& shipped,
                                            const std::filesystem::path& userData,
                                            bool shippedWritable);

// Whether the program may write into `folder` (or create it, when missing).
bool canWriteFolder(const std::filesystem::path& folder);

// Copies every file and folder under `from` that is missing under `to`.
// Returns false when something could not be copied (what could be, is).
bool copyMissing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace qv
