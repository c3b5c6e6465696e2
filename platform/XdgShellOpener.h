// SPDX-License-Identifier: MIT
#pragma once
// Opens through xdg-open, started detached so that the caller neither waits
// for it nor leaves a zombie behind.

#include "platform/ShellOpener.h"

namespace qv {

class XdgShellOpener : public ShellOpener {
public:
    bool open(const std::string& target) override;
};

} // namespace qv
