// SPDX-License-Identifier: MIT
#include "tests/sets/ShippedSet.h"

#include <fstream>
#include <iterator>

namespace qv::test {

ShippedSet loadShippedSet(const std::string& name) {
    ShippedSet set;
    set.name = name;
    std::ifstream in(std::string(QV_SETS_SOURCE_DIR) + "/" + name + "/" + name + ".txt",
                     std::ios::binary);
    if (in) {
        set.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    set.contents = readSetFile(set.bytes, LineEnds::CrOnly, 0);
    return set;
}

std::string builtSetFolder(const std::string& name) {
    return std::string(QV_RESOURCES_DIR) + "/QuestionSets/" + name;
}

} // namespace qv::test
