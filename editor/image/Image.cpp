// SPDX-License-Identifier: MIT
#include "editor/image/Image.h"

#include <new>

namespace qv::image {

ImageError checkImageSize(std::uint64_t width, std::uint64_t height, const DecodeLimits& limits) {
    if (width == 0 || height == 0) {
        return ImageError::BadHeader;
    }
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels) {
        return ImageError::TooLarge;
    }
    return ImageError::None;
}

ImageError allocateImage(Image& image, std::uint64_t width, std::uint64_t height,
                         PixelFormat format, const DecodeLimits& limits) {
    if (const ImageError e = checkImageSize(width, height, limits); e != ImageError::None) {
        return e;
    }
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.sourceWidth = image.width;
    image.sourceHeight = image.height;
    image.format = format;
    try {
        image.pixels.assign(image.stride() * image.height, 0);
    } catch (const std::bad_alloc&) {
        image.pixels.clear();
        return ImageError::OutOfMemory;
    }
    return ImageError::None;
}

} // namespace qv::image
