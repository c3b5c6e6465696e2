// SPDX-License-Identifier: MIT
#pragma once
// The plain-text quiz format of one question line, four lettered options and
// an ANSWER line, records apart by blank lines.

#include "editor/interchange/SourceRecord.h"

#include <string_view>

namespace qv::interchange {

SourceRecords readAiken(std::string_view utf8);

} // namespace qv::interchange
