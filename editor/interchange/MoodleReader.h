// SPDX-License-Identifier: MIT
#pragma once
// Questions exported from a learning platform as Moodle XML: multiple-choice
// questions with four answers, one of them worth 100%. Texts arrive as HTML
// (often in CDATA) and come in as plain text; categories are left out; every
// other type of question is skipped with its type named.

#include "editor/interchange/SourceRecord.h"

#include <string_view>

namespace qv::interchange {

SourceRecords readMoodle(std::string_view utf8);

} // namespace qv::interchange
