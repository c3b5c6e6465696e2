// SPDX-License-Identifier: MIT
#pragma once
// A picture hook that copies the source file to the target as it is and
// draws nothing. Tests of the question list use it with stand-in picture
// bytes that no image reader would accept.

#include "editor/model/PictureHook.h"

namespace qv {

class FilePictureHook : public PictureHook {
public:
    // False when the source is not a regular file or the copy fails.
    bool importPicture(const std::filesystem::path& source,
                       const std::filesystem::path& target) override;
    // True for any regular file.
    bool showPicture(const std::filesystem::path& file) override;
    void clearPicture() override {}
};

} // namespace qv
