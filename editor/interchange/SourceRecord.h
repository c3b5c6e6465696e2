// SPDX-License-Identifier: MIT
#pragma once
// One question as a reader found it in an imported file, before any rule of
// the set files is applied.

#include <array>
#include <string>
#include <vector>

namespace qv::interchange {

struct SourceRecord {
    // 1-based line of the file where the record starts.
    int line = 0;
    // 1-based place of the record in a file that is one line, where the
    // line says nothing; 0 otherwise.
    int recordIndex = 0;
    // Texts in UTF-8, as the file holds them (not yet trimmed).
    std::string question;
    std::array<std::string, 4> answers;
    // As written: a letter A to D, a number 1 to 4 or the text of an answer.
    std::string correct;
    // As written: a rung 1 to 15, a prize, easy, medium or hard; or empty.
    std::string rung;
    // A picture file, relative to the imported file's folder; or empty.
    std::string picture;
    // answers[0] is the right one and goes where the importer places it;
    // the others keep their order in the remaining slots.
    bool placeCorrect = false;
    // Set when the reader already refused the record; the other fields are
    // then meaningless.
    std::string skipReason;
};

using SourceRecords = std::vector<SourceRecord>;

// A record that only carries why it was refused.
inline SourceRecord refusedRecord(int line, std::string reason) {
    SourceRecord record;
    record.line = line;
    record.skipReason = std::move(reason);
    return record;
}

} // namespace qv::interchange
