// SPDX-License-Identifier: MIT
// Any text, read as UTF-32 with the cursor in its first four bytes (the
// limit in the top byte), mends into text a set file can hold, with the
// cursor inside it and no more characters than the limit; mending the result
// again changes nothing.

#include "editor/model/FieldText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    std::uint32_t cursor = 0;
    std::memcpy(&cursor, data, 4);
    std::u32string text((size - 4) / 4, U'\0');
    std::memcpy(text.data(), data + 4, text.size() * 4);
    const std::size_t limit = cursor >> 24;
    cursor &= 0xFFFFFF;
    const qv::MendedFieldText mended = qv::mendFieldText(text, cursor % (text.size() + 2), limit);
    if (mended.cursor > mended.text.size() || mended.text.size() > text.size() ||
        (limit != 0 && mended.text.size() > limit)) {
        std::abort();
    }
    for (char32_t c : mended.text) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || (c >= 0xD800 && c <= 0xDFFF) ||
            c > 0x10FFFF) {
            std::abort();
        }
    }
    const qv::MendedFieldText again = qv::mendFieldText(mended.text, mended.cursor, limit);
    if (again.changed || again.text != mended.text || again.cursor != mended.cursor) {
        std::abort();
    }
    return 0;
}
