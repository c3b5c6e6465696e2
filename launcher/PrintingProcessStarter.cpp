// SPDX-License-Identifier: MIT
#include "launcher/PrintingProcessStarter.h"

namespace qv {

bool PrintingProcessStarter::start(const StartRequest& request) {
    out_ << "start " << request.program.string();
    for (const std::string& argument : request.arguments) {
        out_ << ' ' << argument;
    }
    out_ << " in " << request.workingFolder.string() << std::endl;
    return static_cast<bool>(out_);
}

} // namespace qv
