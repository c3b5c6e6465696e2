// SPDX-License-Identifier: MIT
#include "editor/image/IcoReader.h"

#include "editor/image/BmpReader.h"
#include "common/ByteReader.h"
#include "editor/image/PngReader.h"

namespace qv::image {
namespace {

struct Entry {
    unsigned width = 0;
    unsigned height = 0;
    unsigned bpp = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

bool readDirectory(ByteReader& in, unsigned& count) {
    const unsigned reserved = in.u16le();
    const unsigned type = in.u16le();
    count = in.u16le();
    return !in.failed() && reserved == 0 && (type == 1 || type == 2) && count > 0;
}

Entry readEntry(ByteReader& in) {
    Entry e;
    e.width = in.u8();
    e.height = in.u8();
    in.skip(2); // colour count, reserved
    in.u16le(); // planes (hot spot x for cursors)
    e.bpp = in.u16le();
    e.size = in.u32le();
    e.offset = in.u32le();
    // A stored 0 stands for 256.
    if (e.width == 0) {
        e.width = 256;
    }
    if (e.height == 0) {
        e.height = 256;
    }
    return e;
}

} // namespace

bool looksLikeIco(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    unsigned count = 0;
    if (!readDirectory(in, count)) {
        return false;
    }
    const Entry first = readEntry(in);
    return !in.failed() && first.size > 0 && first.offset >= 6 + 16u * count &&
           first.offset < data.size();
}

ImageError readIco(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    ByteReader in(data);
    unsigned count = 0;
    if (!readDirectory(in, count)) {
        return in.failed() ? ImageError::Truncated : ImageError::UnknownFormat;
    }
    bool found = false;
    Entry best;
    for (unsigned i = 0; i < count; ++i) {
        const Entry e = readEntry(in);
        if (in.failed()) {
            return ImageError::Truncated;
        }
        if (e.offset >= data.size() || e.size == 0) {
            continue; // an entry that points nowhere cannot be the one shown
        }
        const std::uint64_t pixels = std::uint64_t{e.width} * e.height;
        const std::uint64_t bestPixels = std::uint64_t{best.width} * best.height;
        if (!found || pixels > bestPixels || (pixels == bestPixels && e.bpp > best.bpp)) {
            best = e;
            found = true;
        }
    }
    if (!found) {
        return ImageError::Truncated;
    }
    // The size field is often a little off; the data runs to the end of the
    // file at most.
    const std::uint64_t available = data.size() - best.offset;
    const auto body = data.subspan(
        best.offset, static_cast<std::size_t>(best.size < available ? best.size : available));
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Image image;
    ImageError e = ImageError::None;
    if (body.size() >= 8 && std::equal(body.begin(), body.begin() + 8, kPng)) {
        e = readPng(body, image, limits);
        if (e == ImageError::None && image.format != PixelFormat::Rgba8) {
            Image rgba;
            e = allocateImage(rgba, image.width, image.height, PixelFormat::Rgba8, limits);
            if (e == ImageError::None) {
                const std::size_t n = std::size_t{image.width} * image.height;
                for (std::size_t i = 0; i < n; ++i) {
                    rgba.pixels[i * 4] = image.pixels[i * 3];
                    rgba.pixels[i * 4 + 1] = image.pixels[i * 3 + 1];
                    rgba.pixels[i * 4 + 2] = image.pixels[i * 3 + 2];
                    rgba.pixels[i * 4 + 3] = 255;
                }
                rgba.bitsPerPixel = image.bitsPerPixel;
                image = std::move(rgba);
            }
        }
    } else {
        e = readIconBitmap(body, image, limits);
    }
    if (e != ImageError::None) {
        return e;
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
