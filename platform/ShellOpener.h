// SPDX-License-Identifier: MIT
#pragma once
// The desktop's "open" request: hands a web address or a file to the program
// the user has chosen for it.

#include <string>

namespace qv {

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // Starts the opening and returns without waiting for it. False when it
    // could not even be started; success says nothing about the outcome.
    virtual bool open(const std::string& target) = 0;
};

} // namespace qv
