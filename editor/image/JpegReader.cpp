// SPDX-License-Identifier: MIT
#include "editor/image/JpegReader.h"

#include "editor/image/JpegErrorManager.h"
#include "editor/image/PictureSize.h"

#include <memory>
#include <new>

namespace qv::image {
namespace {

// Progressive files may hold any number of scans, each a full pass over the
// coefficients; a few hundred bytes of scan headers could keep the decoder
// busy for minutes.
constexpr int kMaxScans = 100;
constexpr long kMaxLibjpegMemory = 1024L * 1024 * 1024;

struct ProgressGuard {
    jpeg_progress_mgr base;
    JpegErrorManager* errors;
};

extern "C" void jpegProgress(j_common_ptr info) {
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number > kMaxScans) {
        auto* guard = reinterpret_cast<ProgressGuard*>(info->progress);
        guard->errors->error = ImageError::Corrupt;
        std::longjmp(guard->errors->jump, 1);
    }
}

struct DecompressDeleter {
    void operator()(jpeg_decompress_struct* info) const {
        jpeg_destroy_decompress(info);
        delete info;
    }
};

// The smallest DCT scale n/8 whose output is still at least the size the
// shrink will produce.
void chooseScale(j_decompress_ptr info, const JpegDecodeOptions& options) {
    if (options.fitWidth == 0 || options.fitHeight == 0) {
        return;
    }
    const ShrinkSteps steps =
        planShrink(info->image_width, info->image_height, options.fitWidth, options.fitHeight);
    if (!steps.shrinks()) {
        return;
    }
    for (unsigned n = 1; n < 8; ++n) {
        info->scale_num = n;
        info->scale_denom = 8;
        jpeg_calc_output_dimensions(info);
        if (info->output_width >= steps.afterHeight.width &&
            info->output_height >= steps.afterHeight.height) {
            return;
        }
    }
    info->scale_num = 1;
    info->scale_denom = 1;
}

// Runs libjpeg; every object that lives across its longjmp belongs to the
// caller.
ImageError decodeGuarded(j_decompress_ptr info, JpegErrorManager& errors, ProgressGuard& progress,
                         std::span<const std::uint8_t> data, const DecodeLimits& limits,
                         const JpegDecodeOptions& options, Image& image, JpegDetails* details) {
    info->err = installJpegErrors(errors);
    if (setjmp(errors.jump)) {
        return errors.error == ImageError::None ? ImageError::Corrupt : errors.error;
    }
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = kMaxLibjpegMemory;
    progress.base.progress_monitor = jpegProgress;
    progress.errors = &errors;
    info->progress = &progress.base;
    jpeg_mem_src(info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) {
        return ImageError::Corrupt;
    }
    if (const ImageError e = checkImageSize(info->image_width, info->image_height, limits);
        e != ImageError::None) {
        return e;
    }
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    chooseScale(info, options);
    if (details != nullptr) {
        details->yCbCr = info->jpeg_color_space == JCS_YCbCr && info->num_components == 3;
        details->progressive = info->progressive_mode != 0;
    }
    jpeg_start_decompress(info);
    const int components = info->output_components;
    if ((cmyk && components != 4) || (!cmyk && components != 3)) {
        return ImageError::Unsupported;
    }
    // CMYK is read four bytes a pixel and narrowed to RGB in place afterwards.
    if (const ImageError e = allocateImage(image, info->output_width, info->output_height,
                                           cmyk ? PixelFormat::Rgba8 : PixelFormat::Rgb8, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = info->num_components * 8;
    image.sourceWidth = info->image_width;
    image.sourceHeight = info->image_height;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image.row(info->output_scanline);
        if (jpeg_read_scanlines(info, &row, 1) != 1) {
            return ImageError::Truncated;
        }
    }
    jpeg_finish_decompress(info);
    return ImageError::None;
}

// Adobe writes CMYK inverted (0 is full ink), which is what libjpeg hands
// out for both CMYK and YCCK; ink plus black gives the light that is left.
void cmykToRgb(Image& image, bool adobeInverted) {
    const std::size_t n = std::size_t{image.width} * image.height;
    std::uint8_t* p = image.pixels.data();
    for (std::size_t i = 0; i < n; ++i) {
        unsigned c = p[i * 4], m = p[i * 4 + 1], y = p[i * 4 + 2], k = p[i * 4 + 3];
        if (!adobeInverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        p[i * 3] = static_cast<std::uint8_t>(c * k / 255);
        p[i * 3 + 1] = static_cast<std::uint8_t>(m * k / 255);
        p[i * 3 + 2] = static_cast<std::uint8_t>(y * k / 255);
    }
    image.format = PixelFormat::Rgb8;
    image.pixels.resize(image.stride() * image.height);
}

} // namespace

ImageError readJpeg(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits,
                    const JpegDecodeOptions& options, JpegDetails* details) {
    if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) {
        return ImageError::UnknownFormat;
    }
    JpegErrorManager errors{};
    ProgressGuard progress{};
    Image image;
    std::unique_ptr<jpeg_decompress_struct, DecompressDeleter> info(new (std::nothrow)
                                                                        jpeg_decompress_struct{});
    if (!info) {
        return ImageError::OutOfMemory;
    }
    const ImageError e =
        decodeGuarded(info.get(), errors, progress, data, limits, options, image, details);
    if (e != ImageError::None) {
        return e;
    }
    if (image.format == PixelFormat::Rgba8) {
        cmykToRgb(image, info->saw_Adobe_marker != 0);
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
