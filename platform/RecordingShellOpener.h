// SPDX-License-Identifier: MIT
#pragma once
// A shell opener for tests: keeps what it was asked to open.

#include <string>
#include <vector>

#include "platform/ShellOpener.h"

namespace qv {

class RecordingShellOpener : public ShellOpener {
public:
    bool open(const std::string& target) override {
        opened.push_back(target);
        return result;
    }

    std::vector<std::string> opened;
    bool result = true;
};

} // namespace qv
