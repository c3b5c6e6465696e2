// SPDX-License-Identifier: MIT
#pragma once
// The set lock on Qt's lock files: a file that names the process, its host
// and program, taken over when that process is gone.

#include "editor/model/SetLock.h"

#include <QLockFile>

#include <memory>

namespace qv {

class QtSetLock : public SetLock {
public:
    bool take(const std::filesystem::path& lockFile, std::string& holder) override;
    std::optional<std::string> heldElsewhere(const std::filesystem::path& lockFile) override;
    void release() override;

private:
    std::unique_ptr<QLockFile> held_;
    std::filesystem::path heldPath_;
};

} // namespace qv
