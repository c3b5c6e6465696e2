// SPDX-License-Identifier: MIT
#pragma once
// Text typed or pasted into a field, made into what a set file can hold:
// any character but a control character (a line break would split the
// question's line in the file). A paste from a spreadsheet cell ends in a
// line break, which goes; other line breaks and tabs become spaces; other
// control characters (and surrogates, which are no characters) are left out
// and listed, so that the user can be told. A field's limit counts
// characters, so a letter outside the Basic Multilingual Plane is one.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

struct MendedFieldText {
    std::u32string text;
    // The cursor in the mended text, for one that stood at `cursor` before.
    std::size_t cursor = 0;
    // The characters left out because no set file holds them, each once, in
    // the order met; the first 24 of them.
    std::u32string leftOut;
    bool changed = false;
};

// `cursor` is where the cursor stands in `text` (just after what was typed
// or pasted); a line break that ends there or at the end of the text goes.
// Beyond `limit` characters (0: none), those just before the cursor go, as
// the end of a paste that does not fit.
MendedFieldText mendFieldText(std::u32string_view text, std::size_t cursor, std::size_t limit = 0);

} // namespace qv
