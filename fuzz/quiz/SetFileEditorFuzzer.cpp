// SPDX-License-Identifier: MIT
// The editor's reading of a set file; what it reads writes back and reads the
// same, as well-formed UTF-8 with no damage left, in Windows-1252 whenever
// every text fits it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/Cp1252.h"
#include "common/SetFile.h"
#include "common/Utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qv::SetFileContents first = qv::readSetFile(bytes, qv::LineEnds::CrOrLf, 0);
    std::string written = qv::writeSetFile(first.records);
    qv::SetFileContents second = qv::readSetFile(written, qv::LineEnds::CrOrLf, 0);
    // Texts holding CR or LF cannot round-trip; everything else must.
    bool clean = true;
    for (const auto& r : first.records) {
        for (const std::string* t :
             {&r.text, &r.answers[0], &r.answers[1], &r.answers[2], &r.answers[3]}) {
            clean = clean && t->find_first_of("\r\n") == std::string::npos;
        }
    }
    if (clean && qv::writeSetFile(second.records) != written) {
        __builtin_trap();
    }
    bool fits = true;
    std::string scratch;
    std::u16string wide;
    for (const auto& r : second.records) {
        for (const std::string* t :
             {&r.text, &r.answers[0], &r.answers[1], &r.answers[2], &r.answers[3]}) {
            if (!qv::utf16FromUtf8(*t, wide)) {
                __builtin_trap(); // texts inside are always well-formed UTF-8
            }
            fits = fits && qv::cp1252FromUtf8(*t, scratch);
        }
    }
    const bool marked = written.substr(0, qv::utf8ByteOrderMark.size()) == qv::utf8ByteOrderMark;
    if (!second.damagedLines.empty() || second.records.size() != first.records.size() ||
        marked == fits) {
        __builtin_trap();
    }
    return 0;
}
