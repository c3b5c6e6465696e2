// SPDX-License-Identifier: MIT
#pragma once
// Text typed or pasted into a field, made into what a set file can hold: the
// characters of Windows-1252 without control characters (a line break would
// split the question's line in the file). A paste from a spreadsheet cell
// ends in a line break, which goes; other line breaks and tabs become
// spaces; other control characters go; characters the code page cannot hold
// are left out and listed, so that the user can be told.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct MendedFieldText {
    std::u32string text;
    // The cursor in the mended text, for one that stood at `cursor` before.
    std::size_t cursor = 0;
    // The characters left out because the code page has no byte for them,
    // each once, in the order met; the first 24 of them.
    std::u32string leftOut;
    bool changed = false;
};

// `cursor` is where the cursor stands in `text` (just after what was typed
// or pasted); a line break that ends there or at the end of the text goes.
MendedFieldText mendFieldText(std::u32string_view text, std::size_t cursor);

} // namespace qv
