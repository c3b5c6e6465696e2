// SPDX-License-Identifier: MIT
#pragma once
// The plain-text quiz format with answers in braces: "=" marks the right
// answer, "~" a wrong one. Only multiple-choice questions with one right and
// three wrong answers fit a set; every other kind is refused with its name.

#include "editor/interchange/SourceRecord.h"

#include <string_view>

namespace qv::interchange {

SourceRecords readGift(std::string_view utf8);

} // namespace qv::interchange
