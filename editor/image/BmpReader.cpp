// SPDX-License-Identifier: MIT
#include "editor/image/BmpReader.h"

#include "common/ByteReader.h"

#include <array>
#include <bit>

namespace qv::image {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
};

// One channel of a bit-field pixel, widened to eight bits.
struct MaskChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit MaskChannel(std::uint32_t m) : mask(m) {
        if (m != 0) {
            shift = std::countr_zero(m);
            bits = std::popcount(m);
        }
    }
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (bits == 0) {
            return 0;
        }
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) {
            return static_cast<std::uint8_t>(v >> (bits - 8));
        }
        // Fewer than eight bits: stretch so that all ones is 255. Bits that
        // are not adjacent still give a value within range.
        const std::uint32_t max = (1u << bits) - 1u;
        const std::uint32_t clamped = v > max ? max : v;
        return static_cast<std::uint8_t>(clamped * 255u / max);
    }
};

struct Dib {
    std::int64_t width = 0;
    std::int64_t height = 0; // colour rows only
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 4> masks{};
    bool alphaMask = false;
    std::array<Colour, 256> palette{};
    std::size_t pixelOffset = 0; // from the start of the DIB's span
};

// Reads the DIB header and palette. `fileOffset` is the pixel offset from a
// file header (relative to the DIB), or 0 when the pixels follow the palette.
ImageError parseDib(std::span<const std::uint8_t> data, std::uint64_t fileOffset, bool icon,
                    Dib& dib) {
    ByteReader in(data);
    const std::uint32_t headerSize = in.u32le();
    std::uint32_t colorsUsed = 0;
    int paletteEntry = 4;
    if (headerSize == 12) {
        dib.width = in.u16le();
        dib.height = in.u16le();
        in.u16le(); // planes
        dib.bpp = in.u16le();
        paletteEntry = 3;
    } else if (headerSize >= 40 && headerSize <= 256) {
        dib.width = in.s32le();
        std::int64_t h = in.s32le();
        in.u16le(); // planes: some writers leave it zero
        dib.bpp = in.u16le();
        dib.compression = in.u32le();
        in.skip(12); // image size, resolution
        colorsUsed = in.u32le();
        in.u32le(); // colours important
        if (in.failed()) {
            return ImageError::Truncated;
        }
        if (h < 0) {
            dib.topDown = true;
            h = -h;
        }
        dib.height = h;
        if (headerSize == 64 && dib.compression > kRle4) {
            return ImageError::Unsupported; // OS/2 Huffman and RLE24
        }
        std::uint64_t paletteStart = headerSize;
        if (dib.compression == kBitFields || dib.compression == kAlphaBitFields) {
            // Version 3 headers keep the masks after the header, later ones
            // inside it.
            const bool inside = headerSize >= 52;
            const int count =
                inside ? (headerSize >= 56 ? 4 : 3) : (dib.compression == kAlphaBitFields ? 4 : 3);
            in.seek(inside ? 40 : headerSize);
            for (int i = 0; i < count; ++i) {
                dib.masks[static_cast<std::size_t>(i)] = in.u32le();
            }
            dib.alphaMask = count == 4 && dib.masks[3] != 0;
            if (!inside) {
                paletteStart += 4u * static_cast<unsigned>(count);
            }
        }
        if (!in.seek(paletteStart)) {
            return ImageError::Truncated;
        }
    } else {
        return ImageError::BadHeader;
    }
    if (in.failed()) {
        return ImageError::Truncated;
    }

    if (icon) {
        dib.height /= 2;
    }
    if (dib.width <= 0 || dib.height <= 0) {
        return ImageError::BadHeader;
    }
    switch (dib.bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return ImageError::BadHeader;
    }
    switch (dib.compression) {
    case kRgb:
        break;
    case kRle8:
        if (dib.bpp != 8) {
            return ImageError::BadHeader;
        }
        break;
    case kRle4:
        if (dib.bpp != 4) {
            return ImageError::BadHeader;
        }
        break;
    case kBitFields:
    case kAlphaBitFields:
        if (dib.bpp != 16 && dib.bpp != 32) {
            return ImageError::BadHeader;
        }
        break;
    default:
        return ImageError::Unsupported;
    }
    if (dib.compression == kRgb && dib.bpp == 16) {
        dib.masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (dib.compression == kRgb && dib.bpp == 32) {
        dib.masks = {0xFF0000, 0xFF00, 0xFF, icon ? 0xFF000000u : 0u};
        dib.alphaMask = icon;
    }

    if (dib.bpp <= 8) {
        std::uint64_t count = colorsUsed != 0 ? colorsUsed : (1u << dib.bpp);
        if (count > 256) {
            count = 256;
        }
        const std::uint64_t start = in.position();
        if (fileOffset != 0 && fileOffset >= start) {
            // The palette cannot run into the pixels: some writers claim more
            // colours than they store.
            const std::uint64_t room = (fileOffset - start) / static_cast<unsigned>(paletteEntry);
            if (room < count) {
                count = room;
            }
        }
        for (std::uint64_t i = 0; i < count; ++i) {
            Colour& c = dib.palette[i];
            c.b = in.u8();
            c.g = in.u8();
            c.r = in.u8();
            if (paletteEntry == 4) {
                in.u8();
            }
        }
        if (in.failed()) {
            return ImageError::Truncated;
        }
    }
    dib.pixelOffset = fileOffset != 0 ? static_cast<std::size_t>(fileOffset) : in.position();
    if (fileOffset > data.size()) {
        return ImageError::Truncated;
    }
    return ImageError::None;
}

void putIndex(Image& image, std::uint32_t x, std::uint32_t y, const Dib& dib, unsigned index) {
    std::uint8_t* p = image.row(y) + static_cast<std::size_t>(x) * image.channels();
    const Colour& c = dib.palette[index & 0xFF];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

ImageError decodeRle(std::span<const std::uint8_t> data, const Dib& dib, Image& image) {
    const auto w = image.width;
    const auto h = image.height;
    for (std::uint32_t y = 0; y < h; ++y) {
        for (std::uint32_t x = 0; x < w; ++x) {
            putIndex(image, x, y, dib, 0);
        }
    }
    const bool four = dib.compression == kRle4;
    ByteReader in(data);
    std::uint64_t x = 0;
    std::uint64_t row = 0; // stored row, 0 first
    auto target = [&](std::uint64_t r) {
        return static_cast<std::uint32_t>(dib.topDown ? r : h - 1 - r);
    };
    while (true) {
        if (in.remaining() < 2) {
            return ImageError::Truncated;
        }
        const unsigned n = in.u8();
        const unsigned c = in.u8();
        if (n > 0) {
            if (row >= h) {
                return ImageError::Corrupt;
            }
            // Some writers pad every row to an even width; what runs past
            // the right edge is dropped.
            const std::uint32_t y = target(row);
            for (unsigned i = 0; i < n && x + i < w; ++i) {
                const unsigned index = four ? ((i & 1) ? (c & 0x0F) : (c >> 4)) : c;
                putIndex(image, static_cast<std::uint32_t>(x + i), y, dib, index);
            }
            x += n;
            continue;
        }
        if (c == 0) {
            x = 0;
            ++row;
            if (row > h) {
                return ImageError::Corrupt;
            }
        } else if (c == 1) {
            return ImageError::None;
        } else if (c == 2) {
            if (in.remaining() < 2) {
                return ImageError::Truncated;
            }
            x += in.u8();
            row += in.u8();
            if (row > h) {
                return ImageError::Corrupt;
            }
        } else {
            const std::size_t bytes = four ? (c + 1) / 2 : c;
            const auto run = in.bytes(bytes);
            if (run.size() != bytes) {
                return ImageError::Truncated;
            }
            if (bytes & 1) {
                in.skip(1); // runs are padded to a whole word
            }
            if (row >= h) {
                return ImageError::Corrupt;
            }
            const std::uint32_t y = target(row);
            for (unsigned i = 0; i < c && x + i < w; ++i) {
                const unsigned index =
                    four ? ((i & 1) ? (run[i / 2] & 0x0F) : (run[i / 2] >> 4)) : run[i];
                putIndex(image, static_cast<std::uint32_t>(x + i), y, dib, index);
            }
            x += c;
        }
    }
}

ImageError decodeRows(std::span<const std::uint8_t> data, const Dib& dib, Image& image) {
    const std::uint64_t w = image.width;
    const std::uint64_t h = image.height;
    const std::uint64_t rowBytes = (w * static_cast<unsigned>(dib.bpp) + 31) / 32 * 4;
    const std::uint64_t lastRow = (w * static_cast<unsigned>(dib.bpp) + 7) / 8;
    if (data.size() < rowBytes * (h - 1) + lastRow) {
        return ImageError::Truncated;
    }
    const MaskChannel red(dib.masks[0]), green(dib.masks[1]), blue(dib.masks[2]),
        alpha(dib.masks[3]);
    const int ch = image.channels();
    for (std::uint64_t r = 0; r < h; ++r) {
        const std::uint8_t* src = data.data() + r * rowBytes;
        const auto y = static_cast<std::uint32_t>(dib.topDown ? r : h - 1 - r);
        std::uint8_t* dst = image.row(y);
        for (std::uint64_t x = 0; x < w; ++x, dst += ch) {
            switch (dib.bpp) {
            case 1:
            case 4:
            case 8: {
                const std::uint64_t bit = x * static_cast<unsigned>(dib.bpp);
                const unsigned byte = src[bit / 8];
                const unsigned shift = 8 - static_cast<unsigned>(dib.bpp) - bit % 8;
                const unsigned index = (byte >> shift) & ((1u << dib.bpp) - 1u);
                const Colour& c = dib.palette[index];
                dst[0] = c.r;
                dst[1] = c.g;
                dst[2] = c.b;
                break;
            }
            case 24:
                dst[0] = src[x * 3 + 2];
                dst[1] = src[x * 3 + 1];
                dst[2] = src[x * 3];
                break;
            case 16:
            case 32: {
                std::uint32_t px = 0;
                if (dib.bpp == 16) {
                    px = static_cast<std::uint32_t>(src[x * 2] | (src[x * 2 + 1] << 8));
                } else {
                    px = src[x * 4] | (static_cast<std::uint32_t>(src[x * 4 + 1]) << 8) |
                         (static_cast<std::uint32_t>(src[x * 4 + 2]) << 16) |
                         (static_cast<std::uint32_t>(src[x * 4 + 3]) << 24);
                }
                dst[0] = red(px);
                dst[1] = green(px);
                dst[2] = blue(px);
                if (ch == 4) {
                    dst[3] = alpha(px);
                }
                break;
            }
            default:
                return ImageError::BadHeader;
            }
            if (ch == 4 && dib.bpp != 16 && dib.bpp != 32) {
                dst[3] = 255;
            } else if (ch == 4 && !dib.alphaMask) {
                dst[3] = 255;
            }
        }
    }
    return ImageError::None;
}

// Pictures that name an alpha channel but leave it zero everywhere were meant
// to be opaque.
bool alphaAllZero(const Image& image) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
        if (image.pixels[i] != 0) {
            return false;
        }
    }
    return true;
}

void setOpaque(Image& image) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
        image.pixels[i] = 255;
    }
}

ImageError decodeDib(std::span<const std::uint8_t> dibData, std::uint64_t fileOffset, bool icon,
                     Image& out, const DecodeLimits& limits) {
    Dib dib;
    if (const ImageError e = parseDib(dibData, fileOffset, icon, dib); e != ImageError::None) {
        return e;
    }
    const bool rle = dib.compression == kRle4 || dib.compression == kRle8;
    if (!rle) {
        // A cheap check before the allocation: the rows must all be there.
        const std::uint64_t rowBytes =
            (static_cast<std::uint64_t>(dib.width) * static_cast<unsigned>(dib.bpp) + 31) / 32 * 4;
        if (const ImageError e = checkImageSize(static_cast<std::uint64_t>(dib.width),
                                                static_cast<std::uint64_t>(dib.height), limits);
            e != ImageError::None) {
            return e;
        }
        if (rowBytes * static_cast<std::uint64_t>(dib.height - 1) >
            dibData.size() - dib.pixelOffset) {
            return ImageError::Truncated;
        }
    }
    const PixelFormat format = (icon || dib.alphaMask) ? PixelFormat::Rgba8 : PixelFormat::Rgb8;
    Image image;
    if (const ImageError e = allocateImage(image, static_cast<std::uint64_t>(dib.width),
                                           static_cast<std::uint64_t>(dib.height), format, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = dib.bpp;
    const auto pixels = dibData.subspan(dib.pixelOffset);
    const ImageError e = rle ? decodeRle(pixels, dib, image) : decodeRows(pixels, dib, image);
    if (e != ImageError::None) {
        return e;
    }
    const bool ownAlpha = dib.alphaMask && !alphaAllZero(image);
    if (format == PixelFormat::Rgba8 && !ownAlpha) {
        setOpaque(image);
    }
    if (icon && !ownAlpha) {
        // The AND mask follows the colour rows: a set bit is a transparent pixel.
        const std::uint64_t w = image.width;
        const std::uint64_t colourBytes =
            (w * static_cast<unsigned>(dib.bpp) + 31) / 32 * 4 * image.height;
        const std::uint64_t maskRow = (w + 31) / 32 * 4;
        if (!rle && pixels.size() >= colourBytes + maskRow * image.height) {
            bool anyOpaque = false;
            for (std::uint64_t r = 0; r < image.height; ++r) {
                const std::uint8_t* src = pixels.data() + colourBytes + r * maskRow;
                const auto y = static_cast<std::uint32_t>(dib.topDown ? r : image.height - 1 - r);
                std::uint8_t* dst = image.row(y);
                for (std::uint64_t x = 0; x < w; ++x) {
                    const bool clear = (src[x / 8] >> (7 - x % 8)) & 1;
                    dst[x * 4 + 3] = clear ? 0 : 255;
                    anyOpaque = anyOpaque || !clear;
                }
            }
            if (!anyOpaque) {
                setOpaque(image);
            }
        }
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace

ImageError readBmp(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    ByteReader in(data);
    const std::uint8_t b = in.u8();
    const std::uint8_t m = in.u8();
    if (b != 'B' || m != 'M') {
        return ImageError::UnknownFormat;
    }
    in.skip(8); // file size and reserved words: often wrong, never needed
    const std::uint32_t offset = in.u32le();
    if (in.failed()) {
        return ImageError::Truncated;
    }
    if (offset < 14 + 12 || offset > data.size()) {
        return offset > data.size() ? ImageError::Truncated : ImageError::BadHeader;
    }
    return decodeDib(data.subspan(14), offset - 14, false, out, limits);
}

ImageError readIconBitmap(std::span<const std::uint8_t> data, Image& out,
                          const DecodeLimits& limits) {
    return decodeDib(data, 0, true, out, limits);
}

} // namespace qv::image
