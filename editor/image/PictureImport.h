// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/Image.h"
#include "editor/image/PictureSize.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// How the editor uses this module when it shows or imports a question's
// picture:
//   ImportedPicture shown;
//   ImageError error;
//   const bool ok = importPictureFile(source, target, shown, &error);
//   if (shown.decoded && shown.steps.shrinks())  -> tell the user it was too large
//   if (!ok)                                     -> tell the user it was not used
//   else draw shown.picture: Rgb8 rows, stride() bytes apart (a QImage of
//   Format_RGB888 can wrap the pixels as they are).
// Removing a picture is removePictureFile(target).

namespace qv::image {

// The outcome of bringing a picture into a set.
struct ImportedPicture {
    // What the dialog draws: 24 bits per pixel, within 680 x 275.
    Image picture;
    // The sizes before and after the two shrink steps. Filled as soon as the
    // source has decoded, so a caller can tell that the picture was too large
    // even when writing it then failed.
    ShrinkSteps steps;
    bool decoded = false;
    // The source already was a picture file as the editor writes it; its
    // bytes were kept (left alone, or copied to the target) instead of being
    // encoded anew, which would lose quality at every showing.
    bool keptSourceBytes = false;
};

// True when `bytes` are a complete, undamaged 24-bit YCbCr JPEG of at most
// 680 x 275 pixels: a picture file that can stay as it is. Its pixels go to
// `decoded` when given.
bool readStoredPicture(std::span<const std::uint8_t> bytes, Image* decoded = nullptr);

// Turns any image we read into a question's picture in memory: decodes it
// (a large JPEG with DCT scaling), shrinks it in two steps, raises it to 24
// bits and encodes it as a JPEG of quality 90 into `jpeg`. A source that is
// already a stored picture is kept: `jpeg` then holds the source bytes.
bool preparePicture(std::span<const std::uint8_t> bytes, ImportedPicture& out,
                    std::vector<std::uint8_t>& jpeg, ImageError* error = nullptr,
                    const DecodeLimits& limits = {});

// The whole import: reads `source`, prepares it and writes the result to
// `target` through a temporary file. When the source is a stored picture and
// the same file as the target, nothing is written at all.
bool importPictureFile(const std::filesystem::path& source, const std::filesystem::path& target,
                       ImportedPicture& out, ImageError* error = nullptr);

// Deletes a question's picture file; a file that is not there is no error.
bool removePictureFile(const std::filesystem::path& target);

} // namespace qv::image
