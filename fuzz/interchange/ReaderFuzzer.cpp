// SPDX-License-Identifier: MIT
// One reader of imported questions over any bytes (UTF-16 after its mark,
// UTF-8 or Windows-1252). What it imports must be what a set file can hold,
// and must come back the same through the CSV export and the CSV reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/SetFile.h"
#include "common/Utf16.h"
#include "editor/interchange/CsvExport.h"
#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"
#include "editor/interchange/TextInput.h"

namespace {

using namespace qv::interchange;

bool sameRecords(const ImportPlan& a, const ImportPlan& b) {
    if (a.questions.size() != b.questions.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.questions.size(); ++i) {
        const qv::SetFileRecord& x = a.questions[i].record;
        const qv::SetFileRecord& y = b.questions[i].record;
        if (x.text != y.text || x.answers != y.answers || x.correctAnswer != y.correctAnswer ||
            x.value != y.value) {
            return false;
        }
    }
    return true;
}

bool storable(const qv::SetFileRecord& record) {
    std::u16string wide;
    bool ok = !record.text.empty() && qv::codePointCount(record.text) <= 128 &&
              qv::utf16FromUtf8(record.text, wide) &&
              record.text.find_first_of("\r\n") == std::string::npos && record.correctAnswer >= 1 &&
              record.correctAnswer <= 4 && record.value >= 1 && record.value <= 15;
    for (const std::string& answer : record.answers) {
        ok = ok && !answer.empty() && qv::codePointCount(answer) <= 32 &&
             qv::utf16FromUtf8(answer, wide) && answer.find_first_of("\r\n") == std::string::npos;
    }
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadReport report;
    const SourceRecords records = readRecords(QV_FUZZ_FORMAT, bytes, {}, report);
    // Pictures name files of the machine; the fuzzer refuses them all.
    const ImportPlan plan =
        planImport(records, {}, ".", {}, [](const auto&, int, std::string&) { return false; });
    for (const PlannedQuestion& question : plan.questions) {
        if (!storable(question.record)) {
            __builtin_trap();
        }
    }
    std::vector<qv::SetFileRecord> set;
    for (const PlannedQuestion& question : plan.questions) {
        set.push_back(question.record);
    }
    const std::string csv = csvOfSet(set, {});
    const ImportPlan again =
        planImport(readRecords(Format::Csv, decodeInput(csv)), {}, ".", {}, nullptr);
    if (!again.skipped.empty() || !sameRecords(plan, again)) {
        __builtin_trap();
    }
    return 0;
}
