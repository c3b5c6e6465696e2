// SPDX-License-Identifier: MIT
#pragma once
// Turns what a reader found into questions a set can hold: every rule of the
// set files is applied here, each refused record keeps its reason, and rungs
// and answer places are decided in file order.

#include "common/SetFile.h"
#include "editor/interchange/SourceRecord.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv::interchange {

struct Skipped {
    int line = 0;
    std::string reason;
    // The record's place in a file that is one line (see SourceRecord).
    int recordIndex = 0;
    // The record's question as the file gives it, shortened for showing.
    std::string question;

    // "record 7" or "12" (the line), for FILE:WHERE: messages.
    std::string where() const;
};

struct PlannedQuestion {
    int line = 0;
    // Texts in UTF-8, trimmed and on one line as a set file takes them,
    // codes 1 to 4 and 1 to 15, picture flag 1 when a picture was staged.
    SetFileRecord record;
    // The picture file the record names, resolved; empty without one.
    std::filesystem::path picture;
    // The record's place in a file that is one line; 0 otherwise.
    int recordIndex = 0;
};

struct ImportPlan {
    std::vector<PlannedQuestion> questions;
    std::vector<Skipped> skipped;

    // Questions per rung: index 1 to 15.
    std::array<int, 16> perRung() const;
};

struct ImportOptions {
    // 1 to 15: the rung of every record that names none; 0: the cycles.
    int rung = 0;
    // Questions the set (or the file) has already come in again.
    bool allowRepeats = false;
};

// Brings the picture at `source` in as the picture of set position
// `position` (0-based). False, with `reason`, when it cannot be used.
using PictureStage =
    std::function<bool(const std::filesystem::path& source, int position, std::string& reason)>;

// `existing` are the questions the set holds already (their questions count
// as taken); pictures are relative to `sourceFolder`. A record without a
// rung takes the next of its cycle: 1 to 15 without a difficulty, 1 to 5 for
// easy, 6 to 10 for medium, 11 to 15 for hard; only imported records move a
// cycle on. A record whose reader left the right answer to be placed goes to
// slot (k mod 4), k counting the imported records from 0.
ImportPlan planImport(const SourceRecords& records, const std::vector<SetFileRecord>& existing,
                      const std::filesystem::path& sourceFolder, const ImportOptions& options,
                      const PictureStage& stagePicture);

// The rung that a prize, a rung number or a difficulty word stands for:
// 1 to 15, or -1 easy, -2 medium, -3 hard; 0 when the text is none of them.
int rungOf(std::string_view text);

} // namespace qv::interchange
