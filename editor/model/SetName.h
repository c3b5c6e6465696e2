// SPDX-License-Identifier: MIT
#pragma once
// Which names a new question set may take.

#include <string_view>

namespace qv {

// True for a plain folder name of 1 to 32 characters in well-formed UTF-8
// that every platform the sets travel to can hold: no path separator, no
// leading dot (so neither "." nor ".."), no control character and none of
// : * ? " < > |.
bool isValidSetName(std::string_view name);

} // namespace qv
