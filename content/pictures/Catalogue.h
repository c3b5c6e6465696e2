// SPDX-License-Identifier: MIT
#pragma once
// Which picture belongs to which question. A picture is found by its
// question's text and correct answer, so that the set file alone decides
// where each question stands and which file number its picture gets.

#include "content/pictures/Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace qv::pictures {

struct PictureEntry {
    std::string question;
    std::string answer;
    // Paints the whole canvas; false when the drawing could not be made.
    std::function<bool(Canvas&)> draw;
};

const std::vector<PictureEntry>& catalogue();

// The entry for a question, or nullptr when none is known.
const PictureEntry* findPicture(const std::string& question, const std::string& answer);

} // namespace qv::pictures
