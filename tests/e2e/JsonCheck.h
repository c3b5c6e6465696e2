// SPDX-License-Identifier: MIT
#pragma once
// A strict check that a text is one JSON value, for reading what a program
// printed. Only well-formedness is checked; values are not kept.

#include <string_view>

namespace qv {

bool isJson(std::string_view text);

} // namespace qv
