// SPDX-License-Identifier: MIT
#pragma once
// A process starter for tests: keeps every request and starts nothing.

#include <vector>

#include "launcher/ProcessStarter.h"

namespace qv {

class RecordingProcessStarter : public ProcessStarter {
public:
    bool start(const StartRequest& request) override {
        started.push_back(request);
        return result;
    }

    std::vector<StartRequest> started;
    bool result = true;
};

} // namespace qv
