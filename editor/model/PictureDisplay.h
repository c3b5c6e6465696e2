// SPDX-License-Identifier: MIT
#pragma once
// Where the picture of the question shown is drawn: the dialog's picture area,
// or a recording double in tests.

namespace qv::image {
struct Image;
}

namespace qv {

class PictureDisplay {
public:
    virtual ~PictureDisplay() = default;

    // Draws `picture` (24 bits per pixel, at most 680 x 275) at its own size
    // until the next call. The display keeps its own copy of the pixels.
    virtual void showPicture(const image::Image& picture) = 0;

    // Nothing is drawn any more.
    virtual void clearPicture() = 0;
};

} // namespace qv
