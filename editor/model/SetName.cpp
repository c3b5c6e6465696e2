// SPDX-License-Identifier: MIT
#include "editor/model/SetName.h"

#include "common/Utf16.h"
#include "editor/model/EditorTexts.h"

namespace qv {

bool isValidSetName(std::string_view name) {
    std::u16string wide;
    if (name.empty() || name.front() == '.' || !utf16FromUtf8(name, wide) ||
        codePointCount(name) > static_cast<std::size_t>(editorText::setNameLimit)) {
        return false;
    }
    constexpr std::u16string_view refused = u"/\\:*?\"<>|";
    for (char16_t c : wide) {
        // C0 and C1 controls and DEL.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || refused.find(c) != std::u16string_view::npos) {
            return false;
        }
    }
    return true;
}

} // namespace qv
