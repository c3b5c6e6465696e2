// SPDX-License-Identifier: MIT
#pragma once
// Starts programs through QProcess::startDetached: the child is re-parented
// away from the caller, so the caller may end at once without a zombie left.

#include "launcher/ProcessStarter.h"

namespace qv {

class QtProcessStarter : public ProcessStarter {
public:
    bool start(const StartRequest& request) override;
};

} // namespace qv
