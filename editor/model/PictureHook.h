// SPDX-License-Identifier: MIT
#pragma once
// The seam between the question list and the picture work: decoding a chosen
// image, shrinking it, writing the picture's JPEG file and drawing it. The
// editor decides which file belongs to which question; the hook only turns a
// source file into a target file and shows pictures.

#include <filesystem>

namespace qv {

class PictureHook {
public:
    virtual ~PictureHook() = default;

    // Makes the picture in `source` the new file `target` (where the editor
    // keeps pictures until they are saved) and the picture shown. An
    // implementation may tell the user about resizing through EditorUser.
    // False when the source cannot be read or the target cannot be written;
    // the editor then reports it and the question keeps its previous picture.
    virtual bool importPicture(const std::filesystem::path& source,
                               const std::filesystem::path& target) = 0;

    // Shows the picture file `file` (a question's picture as stored) without
    // writing anything. False when it cannot be read as a picture.
    virtual bool showPicture(const std::filesystem::path& file) = 0;

    // The question shown has no picture: nothing is drawn any more.
    virtual void clearPicture() = 0;
};

} // namespace qv
