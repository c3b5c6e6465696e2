// SPDX-License-Identifier: MIT
#include "editor/model/SetName.h"

#include "editor/model/EditorTexts.h"

#include <cstdint>

namespace qv {

bool isValidSetName(std::string_view name) {
    if (name.empty() || name.size() > static_cast<std::size_t>(editorText::setNameLimit) ||
        name.front() == '.') {
        return false;
    }
    constexpr std::string_view refused = "/\\:*?\"<>|";
    for (char c : name) {
        auto byte = static_cast<std::uint8_t>(c);
        // Below 32, DEL, and the bytes the code page leaves to C1 controls.
        if (byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
            byte == 0x90 || byte == 0x9D) {
            return false;
        }
        if (refused.find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

} // namespace qv
