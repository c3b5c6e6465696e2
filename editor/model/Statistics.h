// SPDX-License-Identifier: MIT
#pragma once
// The text of the "Question Stats" message.

#include "editor/model/QuestionList.h"

#include <string>

namespace qv {

// Counts the records under their value codes 1 to 15 (other codes count
// nowhere) and formats the counts and their total.
std::string statisticsText(const QuestionList& list);

} // namespace qv
