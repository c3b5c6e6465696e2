// SPDX-License-Identifier: MIT
// The whole import path: format detection, every reader, the shrink, raising
// to 24 bits and the JPEG writer.
#include "editor/image/PictureImport.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qv::image::DecodeLimits limits{16384, 4'000'000};
    qv::image::ImportedPicture picture;
    std::vector<std::uint8_t> jpeg;
    if (qv::image::preparePicture(std::span(data, size), picture, jpeg, nullptr, limits)) {
        if (picture.picture.width > qv::image::kPictureMaxWidth ||
            picture.picture.height > qv::image::kPictureMaxHeight ||
            picture.picture.format != qv::image::PixelFormat::Rgb8 || jpeg.empty()) {
            std::abort();
        }
    }
    return 0;
}
