// SPDX-License-Identifier: MIT
#pragma once
// Where the programs find themselves and the user's folders.

#include <filesystem>
#include <string>

namespace qv {

// The folder that holds the running program file, or the current folder when
// the system does not tell.
std::filesystem::path programFolder();

// $XDG_CONFIG_HOME, else $HOME/.config. An empty variable counts as unset.
std::filesystem::path userConfigFolder();

// $XDG_DATA_HOME, else $HOME/.local/share. An empty variable counts as unset.
std::filesystem::path userDataFolder();

// The product's own folder under the user's config folder: ".../Quizvale".
std::filesystem::path productConfigFolder();

// The value of an environment variable, empty when unset.
std::string environmentValue(const char* name);

} // namespace qv
