// SPDX-License-Identifier: MIT
// A catalogue's translation is outside data: its placeholders ("%s",
// "%2$d", a lone "%") are filled whatever a translator wrote, and the
// language code kept in the settings file is checked before it is used. Any
// bytes: no crash, each value appears no more often than the pattern asks,
// and an accepted code never leaves the locale folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Translate.h"
#include "common/Utf16.h"

namespace {

std::size_t count(std::u16string_view text, std::u16string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::u16string_view::npos;
         at = text.find(part, at + part.size())) {
        ++n;
    }
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string pattern = qv::utf16FromUtf8Lossy(bytes);
    const std::u16string filled = qv::fillPlaceholders(pattern, u"\x1F01", u"\x1F02");
    // Each placeholder takes at least two characters of the pattern.
    if (count(filled, u"\x1F01") + count(filled, u"\x1F02") >
        count(pattern, u"\x1F01") + count(pattern, u"\x1F02") + pattern.size() / 2) {
        std::abort();
    }
    (void)qv::fillPlaceholders(bytes, "first", "second");
    if (qv::i18n::isLanguageCode(bytes) &&
        (bytes.find('/') != std::string_view::npos || bytes.find(':') != std::string_view::npos ||
         bytes.front() == '.')) {
        std::abort();
    }
    return 0;
}
