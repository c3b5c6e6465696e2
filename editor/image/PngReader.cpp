// SPDX-License-Identifier: MIT
#include "editor/image/PngReader.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace qv::image {
namespace {

struct PngSource {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
    bool ranOut = false;
};

constexpr png_alloc_size_t maxChunkBytes = 16u << 20;

extern "C" void pngReadData(png_structp png, png_bytep out, png_size_t length) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (length > src->size - src->pos) {
        src->ranOut = true;
        png_error(png, "read past the end");
    }
    std::memcpy(out, src->data + src->pos, length);
    src->pos += length;
}

extern "C" void pngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

extern "C" void pngWarning(png_structp, png_const_charp) {}

struct PngStructDeleter {
    void operator()(png_struct* png) const { png_destroy_read_struct(&png, nullptr, nullptr); }
};

// Destroyed before the png_struct it was made from.
struct PngInfoDeleter {
    png_struct* png = nullptr;
    void operator()(png_info* info) const { png_destroy_info_struct(png, &info); }
};

// Everything that lives across libpng's longjmp is owned by the caller, so
// that no destructor is skipped when libpng gives up.
ImageError decodeGuarded(png_structp png, png_infop info, const DecodeLimits& limits, Image& image,
                         std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png))) {
        return ImageError::Corrupt;
    }
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int depth = png_get_bit_depth(png, info);
    const int colour = png_get_color_type(png, info);
    if (const ImageError e = checkImageSize(width, height, limits); e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel =
        colour == PNG_COLOR_TYPE_PALETTE ? depth : depth * png_get_channels(png, info);

    if (depth == 16) {
        png_set_strip_16(png);
    }
    if (colour == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colour == PNG_COLOR_TYPE_GRAY && depth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
    }
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    if ((channels != 3 && channels != 4) || png_get_bit_depth(png, info) != 8) {
        return ImageError::Unsupported;
    }
    const int bits = image.bitsPerPixel;
    if (const ImageError e = allocateImage(
            image, width, height, channels == 4 ? PixelFormat::Rgba8 : PixelFormat::Rgb8, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = bits;
    if (png_get_rowbytes(png, info) != image.stride()) {
        return ImageError::Unsupported;
    }
    try {
        rows.resize(height);
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = image.row(y);
    }
    png_read_image(png, rows.data());
    return ImageError::None;
}

} // namespace

ImageError readPng(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) {
        return ImageError::UnknownFormat;
    }
    PngSource source{data.data(), data.size(), 0, false};
    Image image;
    std::vector<png_bytep> rows;
    std::unique_ptr<png_struct, PngStructDeleter> png(
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning));
    if (!png) {
        return ImageError::OutOfMemory;
    }
    std::unique_ptr<png_info, PngInfoDeleter> info(png_create_info_struct(png.get()),
                                                   PngInfoDeleter{png.get()});
    if (!info) {
        return ImageError::OutOfMemory;
    }
    png_set_read_fn(png.get(), &source, pngReadData);
    // A chunk's length is only a claim, and libpng allocates it before
    // reading: a file of a few bytes claiming a 2 GB text chunk would take
    // 2 GB. No chunk we read comes near this, and text chunks, which carry
    // nothing we show, are skipped unread.
    png_set_chunk_malloc_max(png.get(), maxChunkBytes);
    static constexpr png_byte textChunks[] = "tEXt\0zTXt\0iTXt";
    png_set_keep_unknown_chunks(png.get(), PNG_HANDLE_CHUNK_NEVER, textChunks, 3);
    // A CRC error in an ancillary chunk loses nothing we show.
    png_set_crc_action(png.get(), PNG_CRC_DEFAULT, PNG_CRC_QUIET_USE);
    ImageError e = decodeGuarded(png.get(), info.get(), limits, image, rows);
    if (e == ImageError::Corrupt && source.ranOut) {
        e = ImageError::Truncated;
    }
    if (e != ImageError::None) {
        return e;
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
