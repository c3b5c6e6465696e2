// SPDX-License-Identifier: MIT
#pragma once
// Questions saved from the Open Trivia Database: its response object (with
// "results") or a bare array of its question objects. Texts carry HTML
// entities; answers come as one right and a list of wrong ones.

#include "editor/interchange/SourceRecord.h"

#include <string_view>

namespace qv::interchange {

SourceRecords readOpenTdb(std::string_view utf8);

} // namespace qv::interchange
