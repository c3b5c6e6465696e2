// SPDX-License-Identifier: MIT
#pragma once
// One writer per set. A window that opens a set holds its lock until it opens
// another set or closes; a second window, or an import from the command line,
// finds the set taken and is told by whom. The lock is a file beside the
// set's folder, not inside it, because a save swaps the whole folder.

#include <filesystem>
#include <optional>
#include <string>

namespace qv {

class SetLock {
public:
    virtual ~SetLock() = default;

    // Takes the lock at `lockFile` in place of the one held so far, taking
    // over a lock whose process is gone. False when another live process
    // holds it; `holder` then says which ("process 1234 on host"), and the
    // lock held so far is kept.
    virtual bool take(const std::filesystem::path& lockFile, std::string& holder) = 0;

    // Whether another process holds the lock at `lockFile`, and which; this
    // object's own lock counts as free.
    virtual std::optional<std::string> heldElsewhere(const std::filesystem::path& lockFile) = 0;

    // Gives up the lock held, if any.
    virtual void release() = 0;
};

// <sets folder>/.<set name>.lock; `name` in UTF-8.
std::filesystem::path setLockFile(const std::filesystem::path& setsFolder, const std::string& name);

} // namespace qv
