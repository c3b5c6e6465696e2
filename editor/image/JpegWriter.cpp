// SPDX-License-Identifier: MIT
#include "editor/image/JpegWriter.h"

#include "editor/image/JpegErrorManager.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace qv::image {
namespace {

struct CompressDeleter {
    void operator()(jpeg_compress_struct* info) const {
        jpeg_destroy_compress(info);
        delete info;
    }
};

// libjpeg's memory destination mallocs (and reallocs) the buffer itself; the
// caller frees it whether or not the encoding got through.
struct MemoryTarget {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    MemoryTarget() = default;
    MemoryTarget(const MemoryTarget&) = delete;
    MemoryTarget& operator=(const MemoryTarget&) = delete;
    ~MemoryTarget() { std::free(buffer); }
};

ImageError encodeGuarded(j_compress_ptr info, JpegErrorManager& errors, MemoryTarget& target,
                         const Image& image, std::vector<std::uint8_t>& line, int quality) {
    info->err = installJpegErrors(errors);
    if (setjmp(errors.jump)) {
        return ImageError::CannotWrite;
    }
    jpeg_create_compress(info);
    jpeg_mem_dest(info, &target.buffer, &target.size);
    info->image_width = image.width;
    info->image_height = image.height;
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    const bool rgba = image.format == PixelFormat::Rgba8;
    while (info->next_scanline < info->image_height) {
        const std::uint8_t* src = image.row(info->next_scanline);
        JSAMPROW row = const_cast<JSAMPROW>(src);
        if (rgba) {
            for (std::uint32_t x = 0; x < image.width; ++x) {
                line[x * 3] = src[x * 4];
                line[x * 3 + 1] = src[x * 4 + 1];
                line[x * 3 + 2] = src[x * 4 + 2];
            }
            row = line.data();
        }
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return ImageError::None;
}

} // namespace

ImageError encodeJpeg(const Image& image, std::vector<std::uint8_t>& out, int quality) {
    out.clear();
    if (image.empty() || image.pixels.size() < image.stride() * image.height ||
        image.width > JPEG_MAX_DIMENSION || image.height > JPEG_MAX_DIMENSION) {
        return ImageError::CannotWrite;
    }
    quality = quality < 1 ? 1 : (quality > 100 ? 100 : quality);
    JpegErrorManager errors{};
    MemoryTarget target;
    std::vector<std::uint8_t> line;
    try {
        if (image.format == PixelFormat::Rgba8) {
            line.resize(std::size_t{image.width} * 3);
        }
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    std::unique_ptr<jpeg_compress_struct, CompressDeleter> info(new (std::nothrow)
                                                                    jpeg_compress_struct{});
    if (!info) {
        return ImageError::OutOfMemory;
    }
    if (const ImageError e = encodeGuarded(info.get(), errors, target, image, line, quality);
        e != ImageError::None) {
        return e;
    }
    try {
        out.assign(target.buffer, target.buffer + target.size);
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    return ImageError::None;
}

} // namespace qv::image
