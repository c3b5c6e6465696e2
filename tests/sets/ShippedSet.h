// SPDX-License-Identifier: MIT
#pragma once
// A shipped question set as the tests see it: the committed bytes and the
// records the common reader makes of them.

#include "common/SetFile.h"

#include <string>

namespace qv::test {

struct ShippedSet {
    std::string name;
    std::string bytes;
    SetFileContents contents;
};

// Reads content/sets/<name>/<name>.txt from the source tree; the bytes stay
// empty when the file cannot be read.
ShippedSet loadShippedSet(const std::string& name);

// The folder of the set under the built Resources tree.
std::string builtSetFolder(const std::string& name);

} // namespace qv::test
