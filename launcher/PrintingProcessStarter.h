// SPDX-License-Identifier: MIT
#pragma once
// A process starter that only says what it would start, one line a request:
// "start <program> [<argument> ...] in <folder>". Lets an installed launcher
// be checked without a display and without starting the game.

#include <ostream>

#include "launcher/ProcessStarter.h"

namespace qv {

class PrintingProcessStarter : public ProcessStarter {
public:
    explicit PrintingProcessStarter(std::ostream& out) : out_(out) {}

    bool start(const StartRequest& request) override;

private:
    std::ostream& out_;
};

} // namespace qv
