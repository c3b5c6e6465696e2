#pragma once
// The seam between the question list and the picture work: decoding a chosen
// image, shrinking it, writing the question's JPEG file and drawing it. The
// editor decides which file belongs to which question; the hook only turns a
// source file into a target file and shows the result.

#include <filesystem>

namespace qv {

class PictureHook {
public:
    virtual ~PictureHook() = default;

    // Makes the picture in `source` the file `target` (the picture file of the
    // question shown, in the set's folder) and the picture shown. `source` may
    // be `target` itself, when a question is shown again under its own number;
    // it may lie in another set's folder, when a set is saved under a new name.
    // An implementation may tell the user about resizing through EditorUser.
    // False when the source cannot be read or the target cannot be written;
    // the editor then reports it and drops the question's picture.
    virtual bool importPicture(const std::filesystem::path& source,
                               const std::filesystem::path& target) = 0;

    // The question shown has no picture: nothing is drawn any more.
    virtual void clearPicture() = 0;
};

} // namespace qv
