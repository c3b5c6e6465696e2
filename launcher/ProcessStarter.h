// SPDX-License-Identifier: MIT
#pragma once
// Starts another program as a process of its own, which outlives the caller.

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

struct StartRequest {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    // The current folder of the new process.
    std::filesystem::path workingFolder;
};

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the program detached and returns without waiting for it. False
    // when it could not be started; success says nothing about how it runs.
    virtual bool start(const StartRequest& request) = 0;
};

} // namespace qv
