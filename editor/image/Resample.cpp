// SPDX-License-Identifier: MIT
#include "editor/image/Resample.h"

#include <cstring>
#include <new>
#include <vector>

namespace qv::image {
namespace {

// For every target coordinate, the source coordinate after each step.
std::vector<std::uint32_t> composeMap(std::uint32_t target,
                                      std::initializer_list<std::uint32_t> sizes) {
    // `sizes` runs from the target size back to the decoded size.
    std::vector<std::uint32_t> map(target);
    for (std::uint32_t i = 0; i < target; ++i) {
        std::uint64_t v = i;
        const std::uint32_t* s = sizes.begin();
        for (std::size_t k = 0; k + 1 < sizes.size(); ++k) {
            v = v * s[k + 1] / s[k];
        }
        map[i] = static_cast<std::uint32_t>(v);
    }
    return map;
}

ImageError apply(const Image& source, const std::vector<std::uint32_t>& xs,
                 const std::vector<std::uint32_t>& ys, Image& out) {
    Image image;
    image.width = static_cast<std::uint32_t>(xs.size());
    image.height = static_cast<std::uint32_t>(ys.size());
    image.sourceWidth = image.width;
    image.sourceHeight = image.height;
    image.format = source.format;
    image.bitsPerPixel = source.bitsPerPixel;
    try {
        image.pixels.resize(image.stride() * image.height);
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    const auto ch = static_cast<std::size_t>(source.channels());
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint8_t* src = source.row(ys[y]);
        std::uint8_t* dst = image.row(y);
        if (ch == 3) {
            for (const std::uint32_t x : xs) {
                const std::uint8_t* p = src + x * 3ull;
                dst[0] = p[0];
                dst[1] = p[1];
                dst[2] = p[2];
                dst += 3;
            }
        } else {
            for (const std::uint32_t x : xs) {
                std::memcpy(dst, src + x * 4ull, 4);
                dst += 4;
            }
        }
    }
    out = std::move(image);
    return ImageError::None;
}

bool usable(const Image& image) {
    return !image.empty() && image.pixels.size() >= image.stride() * image.height;
}

} // namespace

ImageError resampleNearest(const Image& source, std::uint32_t width, std::uint32_t height,
                           Image& out) {
    if (!usable(source) || width == 0 || height == 0) {
        return ImageError::BadHeader;
    }
    try {
        return apply(source, composeMap(width, {width, source.width}),
                     composeMap(height, {height, source.height}), out);
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
}

ImageError shrinkPicture(const Image& source, const ShrinkSteps& steps, Image& out) {
    if (!usable(source) || steps.afterHeight.width == 0 || steps.afterHeight.height == 0 ||
        steps.afterWidth.width == 0 || steps.afterWidth.height == 0 || steps.source.width == 0 ||
        steps.source.height == 0) {
        return ImageError::BadHeader;
    }
    try {
        Image result;
        const ImageError e = apply(
            source,
            composeMap(steps.afterHeight.width, {steps.afterHeight.width, steps.afterWidth.width,
                                                 steps.source.width, source.width}),
            composeMap(steps.afterHeight.height, {steps.afterHeight.height, steps.afterWidth.height,
                                                  steps.source.height, source.height}),
            result);
        if (e == ImageError::None) {
            out = std::move(result);
        }
        return e;
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
}

void raiseTo24Bits(Image& image) {
    if (image.format == PixelFormat::Rgba8) {
        const std::size_t n = std::size_t{image.width} * image.height;
        std::uint8_t* p = image.pixels.data();
        for (std::size_t i = 0; i < n; ++i) {
            p[i * 3] = p[i * 4];
            p[i * 3 + 1] = p[i * 4 + 1];
            p[i * 3 + 2] = p[i * 4 + 2];
        }
        image.format = PixelFormat::Rgb8;
        image.pixels.resize(n * 3);
    }
    image.bitsPerPixel = 24;
}

} // namespace qv::image
