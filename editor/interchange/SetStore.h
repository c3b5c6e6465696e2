// SPDX-License-Identifier: MIT
#pragma once
// Question sets on disk as the interchange sees them: finding, reading and
// writing whole sets through the set-file and atomic-file code the editor
// uses, so that a set made here is a set the editor made.

#include "common/SetFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv::interchange {

// Set names are UTF-8, as the editor holds them and as the folders on disk
// are named.
std::filesystem::path setFolderOf(const std::filesystem::path& setsFolder, const std::string& name);
std::filesystem::path setFileOf(const std::filesystem::path& setsFolder, const std::string& name);

enum class SetPresence {
    Missing,  // no such folder, or an empty one (a set created, never saved)
    Readable, // a folder with the set file
    Occupied, // something else holds the name: a file, or a folder without set file
};

SetPresence setPresence(const std::filesystem::path& setsFolder, const std::string& name);

// The larger set files the editor refuses to open.
inline constexpr std::size_t maxSetFileBytes = std::size_t{64} << 20;

// Reads a set as the editor does (a line ends at CR or LF), without cutting
// texts. False, with `error`, when the file cannot be read, holds fewer
// questions than its count line says, or holds a byte-order mark alone.
// `damagedLines` (when given) gets the lines whose texts held bytes that are
// not UTF-8 (read as U+FFFD).
bool readStoredSet(const std::filesystem::path& setsFolder, const std::string& name,
                   std::vector<SetFileRecord>& records, std::string& error,
                   std::vector<int>* damagedLines = nullptr);

} // namespace qv::interchange
