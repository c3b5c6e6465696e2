// SPDX-License-Identifier: MIT
#include "editor/image/TgaReader.h"

#include "common/ByteReader.h"

#include <vector>

namespace qv::image {
namespace {

struct TgaHeader {
    unsigned idLength = 0;
    unsigned mapType = 0;
    unsigned imageType = 0;
    unsigned mapFirst = 0;
    unsigned mapLength = 0;
    unsigned mapDepth = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned depth = 0;
    unsigned descriptor = 0;

    bool rle() const { return imageType >= 9; }
    unsigned kind() const { return imageType & 7; } // 1 mapped, 2 true colour, 3 grey
};

bool parseHeader(ByteReader& in, TgaHeader& h) {
    h.idLength = in.u8();
    h.mapType = in.u8();
    h.imageType = in.u8();
    h.mapFirst = in.u16le();
    h.mapLength = in.u16le();
    h.mapDepth = in.u8();
    in.skip(4); // origin
    h.width = in.u16le();
    h.height = in.u16le();
    h.depth = in.u8();
    h.descriptor = in.u8();
    return !in.failed();
}

bool headerValid(const TgaHeader& h) {
    if (h.mapType > 1 || h.width == 0 || h.height == 0) {
        return false;
    }
    if (h.imageType != 1 && h.imageType != 2 && h.imageType != 3 && h.imageType != 9 &&
        h.imageType != 10 && h.imageType != 11) {
        return false;
    }
    if (h.mapType == 1 && h.mapDepth != 15 && h.mapDepth != 16 && h.mapDepth != 24 &&
        h.mapDepth != 32) {
        return false;
    }
    switch (h.kind()) {
    case 1:
        return h.mapType == 1 && (h.depth == 8 || h.depth == 16);
    case 2:
        return h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
    case 3:
        return h.depth == 8 || h.depth == 16;
    default:
        return false;
    }
}

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// A stored pixel of `bytes` bytes (little-endian) as a colour.
Rgba colourOf(const std::uint8_t* p, unsigned depth) {
    Rgba c;
    switch (depth) {
    case 15:
    case 16: {
        const unsigned v = p[0] | (p[1] << 8);
        c.r = static_cast<std::uint8_t>(((v >> 10) & 31) * 255 / 31);
        c.g = static_cast<std::uint8_t>(((v >> 5) & 31) * 255 / 31);
        c.b = static_cast<std::uint8_t>((v & 31) * 255 / 31);
        break;
    }
    case 24:
        c.b = p[0];
        c.g = p[1];
        c.r = p[2];
        break;
    case 32:
        c.b = p[0];
        c.g = p[1];
        c.r = p[2];
        c.a = p[3];
        break;
    default:
        break;
    }
    return c;
}

} // namespace

bool looksLikeTga(std::span<const std::uint8_t> data) {
    ByteReader in(data);
    TgaHeader h;
    return parseHeader(in, h) && headerValid(h);
}

ImageError readTga(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    ByteReader in(data);
    TgaHeader h;
    if (!parseHeader(in, h)) {
        return ImageError::Truncated;
    }
    if (!headerValid(h)) {
        return ImageError::BadHeader;
    }
    if (const ImageError e = checkImageSize(h.width, h.height, limits); e != ImageError::None) {
        return e;
    }
    in.skip(h.idLength);

    // Indices of up to 16 bits; entries outside the stored map stay black.
    std::vector<Rgba> map;
    const unsigned mapBytes = (h.mapDepth + 7) / 8;
    if (h.mapType == 1) {
        map.resize(65536);
        const auto stored = in.bytes(std::size_t{h.mapLength} * mapBytes);
        if (in.failed()) {
            return ImageError::Truncated;
        }
        for (unsigned i = 0; i < h.mapLength && h.mapFirst + i < map.size(); ++i) {
            map[h.mapFirst + i] = colourOf(stored.data() + std::size_t{i} * mapBytes, h.mapDepth);
        }
    }

    const unsigned pixelBytes = (h.depth + 7) / 8;
    const std::uint64_t count = std::uint64_t{h.width} * h.height;
    // Uncompressed pixels must all be there; a run packet holds at most 128
    // pixels in 1 + pixelBytes bytes. Either way, check before allocating.
    if (!h.rle() && in.remaining() / pixelBytes < count) {
        return ImageError::Truncated;
    }
    if (h.rle() && (in.remaining() / (1 + pixelBytes)) * 128 < count) {
        return ImageError::Truncated;
    }

    bool alpha = false;
    if (h.kind() == 2 && h.depth == 32) {
        alpha = true;
    } else if (h.kind() == 3 && h.depth == 16) {
        alpha = true;
    } else if (h.kind() == 1 && h.mapDepth == 32) {
        alpha = true;
    }
    Image image;
    if (const ImageError e = allocateImage(image, h.width, h.height,
                                           alpha ? PixelFormat::Rgba8 : PixelFormat::Rgb8, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = h.kind() == 1 ? 8 : static_cast<int>(h.depth);
    const bool rightToLeft = (h.descriptor & 0x10) != 0;
    const bool topDown = (h.descriptor & 0x20) != 0;
    const int ch = image.channels();

    auto store = [&](std::uint64_t i, const std::uint8_t* p) {
        const auto sx = static_cast<std::uint32_t>(i % h.width);
        const auto sy = static_cast<std::uint32_t>(i / h.width);
        const std::uint32_t x = rightToLeft ? h.width - 1 - sx : sx;
        const std::uint32_t y = topDown ? sy : h.height - 1 - sy;
        Rgba c;
        if (h.kind() == 1) {
            const unsigned index = h.depth == 8 ? p[0] : (p[0] | (p[1] << 8));
            c = map[index];
        } else if (h.kind() == 3) {
            c.r = c.g = c.b = p[0];
            if (h.depth == 16) {
                c.a = p[1];
            }
        } else {
            c = colourOf(p, h.depth);
        }
        std::uint8_t* d = image.row(y) + std::size_t{x} * static_cast<unsigned>(ch);
        d[0] = c.r;
        d[1] = c.g;
        d[2] = c.b;
        if (ch == 4) {
            d[3] = c.a;
        }
    };

    if (!h.rle()) {
        const auto raw = in.bytes(static_cast<std::size_t>(count) * pixelBytes);
        for (std::uint64_t i = 0; i < count; ++i) {
            store(i, raw.data() + i * pixelBytes);
        }
    } else {
        // Packets may run across rows but never past the last pixel.
        std::uint64_t i = 0;
        while (i < count) {
            const unsigned packet = in.u8();
            const unsigned n = (packet & 0x7F) + 1u;
            if (in.failed()) {
                return ImageError::Truncated;
            }
            if (i + n > count) {
                return ImageError::Corrupt;
            }
            if (packet & 0x80) {
                const auto p = in.bytes(pixelBytes);
                if (in.failed()) {
                    return ImageError::Truncated;
                }
                for (unsigned k = 0; k < n; ++k) {
                    store(i++, p.data());
                }
            } else {
                const auto p = in.bytes(std::size_t{n} * pixelBytes);
                if (in.failed()) {
                    return ImageError::Truncated;
                }
                for (unsigned k = 0; k < n; ++k) {
                    store(i++, p.data() + std::size_t{k} * pixelBytes);
                }
            }
        }
    }
    if (alpha) {
        // Many writers leave the alpha of a 32-bit picture at zero.
        bool any = false;
        for (std::size_t k = 3; k < image.pixels.size() && !any; k += 4) {
            any = image.pixels[k] != 0;
        }
        if (!any) {
            for (std::size_t k = 3; k < image.pixels.size(); k += 4) {
                image.pixels[k] = 255;
            }
        }
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
