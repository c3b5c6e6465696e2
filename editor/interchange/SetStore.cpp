// SPDX-License-Identifier: MIT
#include "editor/interchange/SetStore.h"

#include "common/FileIo.h"

#include <system_error>

namespace qv::interchange {

namespace fs = std::filesystem;

fs::path setFolderOf(const fs::path& setsFolder, const std::string& name) {
    return setsFolder / fs::path(name);
}

fs::path setFileOf(const fs::path& setsFolder, const std::string& name) {
    return setFolderOf(setsFolder, name) / fs::path(name + ".txt");
}

SetPresence setPresence(const fs::path& setsFolder, const std::string& name) {
    const fs::path folder = setFolderOf(setsFolder, name);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found) {
        return SetPresence::Missing;
    }
    if (error || status.type() != fs::file_type::directory) {
        return SetPresence::Occupied;
    }
    if (fs::is_regular_file(setFileOf(setsFolder, name), error)) {
        return SetPresence::Readable;
    }
    const bool empty = fs::is_empty(folder, error);
    return (!error && empty) ? SetPresence::Missing : SetPresence::Occupied;
}

bool readStoredSet(const fs::path& setsFolder, const std::string& name,
                   std::vector<SetFileRecord>& records, std::string& error,
                   std::vector<int>* damagedLines) {
    std::string bytes;
    if (!readWholeFile(setFileOf(setsFolder, name), bytes, maxSetFileBytes)) {
        error = "its set file cannot be read";
        return false;
    }
    SetFileContents contents = readSetFile(bytes, LineEnds::CrOrLf, 0);
    if (contents.truncated) {
        error = "its set file ends before its " + std::to_string(contents.declaredCount) +
                " questions do";
        return false;
    }
    if (contents.onlyByteOrderMark) {
        error = "its set file holds only a byte-order mark";
        return false;
    }
    if (damagedLines != nullptr) {
        *damagedLines = std::move(contents.damagedLines);
    }
    records = std::move(contents.records);
    return true;
}

} // namespace qv::interchange
