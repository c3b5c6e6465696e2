// SPDX-License-Identifier: MIT
#include "editor/image/TiffReader.h"

#include <tiffio.h>

#include <bit>
#include <cstring>
#include <memory>

namespace qv::image {
namespace {

// No single buffer libtiff allocates for us may be larger than this: strips
// and tiles of a well-formed picture within our limits stay far below it.
constexpr tmsize_t kMaxTiffAllocation = 512L * 1024 * 1024;

struct MemoryFile {
    const std::uint8_t* data = nullptr;
    std::uint64_t size = 0;
    std::uint64_t pos = 0;
};

extern "C" tmsize_t tiffRead(thandle_t handle, void* out, tmsize_t count) {
    auto* file = static_cast<MemoryFile*>(handle);
    if (count <= 0 || file->pos >= file->size) {
        return 0;
    }
    std::uint64_t n = static_cast<std::uint64_t>(count);
    if (n > file->size - file->pos) {
        n = file->size - file->pos;
    }
    std::memcpy(out, file->data + file->pos, static_cast<std::size_t>(n));
    file->pos += n;
    return static_cast<tmsize_t>(n);
}

extern "C" tmsize_t tiffWrite(thandle_t, void*, tmsize_t) {
    return -1;
}

extern "C" toff_t tiffSeek(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    std::uint64_t base = 0;
    if (whence == SEEK_CUR) {
        base = file->pos;
    } else if (whence == SEEK_END) {
        base = file->size;
    }
    // A seek past the end is allowed (reads there return nothing); one that
    // wraps around is not.
    if (offset > UINT64_MAX - base) {
        return static_cast<toff_t>(-1);
    }
    file->pos = base + offset;
    return file->pos;
}

extern "C" int tiffClose(thandle_t) {
    return 0;
}

extern "C" toff_t tiffSize(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->size;
}

extern "C" int tiffMap(thandle_t, void**, toff_t*) {
    return 0;
}

extern "C" void tiffUnmap(thandle_t, void*, toff_t) {}

extern "C" int tiffQuiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffDeleter {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};

struct TiffOptionsDeleter {
    void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

} // namespace

ImageError readTiff(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    if (data.size() < 8 ||
        !((data[0] == 'I' && data[1] == 'I' && (data[2] == 42 || data[2] == 43) && data[3] == 0) ||
          (data[0] == 'M' && data[1] == 'M' && data[2] == 0 && (data[3] == 42 || data[3] == 43)))) {
        return ImageError::UnknownFormat;
    }
    std::unique_ptr<TIFFOpenOptions, TiffOptionsDeleter> options(TIFFOpenOptionsAlloc());
    if (!options) {
        return ImageError::OutOfMemory;
    }
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), tiffQuiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), tiffQuiet, nullptr);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);
    MemoryFile file{data.data(), data.size(), 0};
    // "m": never map; the data is already in memory and must not be written.
    std::unique_ptr<TIFF, TiffDeleter> tif(
        TIFFClientOpenExt("memory", "rm", &file, tiffRead, tiffWrite, tiffSeek, tiffClose, tiffSize,
                          tiffMap, tiffUnmap, options.get()));
    if (!tif) {
        return ImageError::Corrupt;
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bits = 1;
    std::uint16_t samples = 1;
    std::uint16_t extra = 0;
    std::uint16_t* extraTypes = nullptr;
    if (!TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height)) {
        return ImageError::BadHeader;
    }
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_EXTRASAMPLES, &extra, &extraTypes);
    if (const ImageError e = checkImageSize(width, height, limits); e != ImageError::None) {
        return e;
    }
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif.get(), message)) {
        return ImageError::Unsupported;
    }
    Image image;
    if (const ImageError e = allocateImage(image, width, height, PixelFormat::Rgba8, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = bits * samples;
    // libtiff packs each pixel as A<<24 | B<<16 | G<<8 | R, which on a
    // little-endian machine is R, G, B, A in memory.
    static_assert(std::endian::native == std::endian::little);
    if (!TIFFReadRGBAImageOriented(tif.get(), width, height,
                                   reinterpret_cast<std::uint32_t*>(image.pixels.data()),
                                   ORIENTATION_TOPLEFT, 1)) {
        return ImageError::Corrupt;
    }
    if (extra > 0) {
        // libtiff hands out premultiplied colour; an Image holds straight alpha.
        const std::size_t n = std::size_t{width} * height;
        std::uint8_t* p = image.pixels.data();
        for (std::size_t i = 0; i < n; ++i, p += 4) {
            const unsigned a = p[3];
            if (a != 0 && a != 255) {
                for (int c = 0; c < 3; ++c) {
                    const unsigned v = (p[c] * 255u + a / 2) / a;
                    p[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
                }
            }
        }
    } else {
        const std::size_t n = std::size_t{width} * height;
        std::uint8_t* p = image.pixels.data();
        for (std::size_t i = 0; i < n; ++i) {
            p[i * 3] = p[i * 4];
            p[i * 3 + 1] = p[i * 4 + 1];
            p[i * 3 + 2] = p[i * 4 + 2];
        }
        image.format = PixelFormat::Rgb8;
        image.pixels.resize(n * 3);
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
