// SPDX-License-Identifier: MIT
#include "editor/image/PcxReader.h"

#include "common/ByteReader.h"

#include <array>
#include <new>
#include <vector>

namespace qv::image {
namespace {

// Run-length data: a byte with both top bits set repeats the next byte
// (its low six bits) times. Runs may cross scan lines, so the state lives
// across calls.
class PcxRuns {
public:
    PcxRuns(ByteReader& in, bool encoded) : in_(in), encoded_(encoded) {}

    ImageError fill(std::span<std::uint8_t> line) {
        std::size_t i = 0;
        while (i < line.size()) {
            if (count_ > 0) {
                const std::size_t n = std::min<std::size_t>(count_, line.size() - i);
                std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(i), n, value_);
                i += n;
                count_ -= static_cast<unsigned>(n);
                continue;
            }
            const std::uint8_t b = in_.u8();
            if (in_.failed()) {
                return ImageError::Truncated;
            }
            if (encoded_ && (b & 0xC0) == 0xC0) {
                count_ = b & 0x3F;
                value_ = in_.u8();
                if (in_.failed()) {
                    return ImageError::Truncated;
                }
            } else {
                line[i++] = b;
            }
        }
        return ImageError::None;
    }
    // Whatever a run still owes after the last line is an overrun.
    bool overran() const { return count_ > 0; }

private:
    ByteReader& in_;
    bool encoded_;
    unsigned count_ = 0;
    std::uint8_t value_ = 0;
};

} // namespace

ImageError readPcx(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    ByteReader in(data);
    const unsigned manufacturer = in.u8();
    const unsigned version = in.u8();
    const unsigned encoding = in.u8();
    const unsigned bits = in.u8();
    const unsigned xMin = in.u16le();
    const unsigned yMin = in.u16le();
    const unsigned xMax = in.u16le();
    const unsigned yMax = in.u16le();
    in.skip(4); // resolution
    const auto egaPalette = in.bytes(48);
    in.u8(); // reserved
    const unsigned planes = in.u8();
    const unsigned bytesPerLine = in.u16le();
    if (in.failed() || data.size() < 128) {
        return ImageError::Truncated;
    }
    if (manufacturer != 0x0A || version > 5 || encoding > 1) {
        return ImageError::BadHeader;
    }
    if ((bits != 1 && bits != 2 && bits != 4 && bits != 8) || planes < 1 || planes > 4) {
        return ImageError::BadHeader;
    }
    if (xMax < xMin || yMax < yMin) {
        return ImageError::BadHeader;
    }
    const std::uint64_t width = std::uint64_t{xMax} - xMin + 1;
    const std::uint64_t height = std::uint64_t{yMax} - yMin + 1;
    if (const ImageError e = checkImageSize(width, height, limits); e != ImageError::None) {
        return e;
    }
    const bool direct = bits == 8 && planes >= 3;
    const unsigned indexBits = bits * planes;
    if (!direct && indexBits > 8) {
        return ImageError::Unsupported;
    }
    if (std::uint64_t{bytesPerLine} * 8 < width * bits) {
        return ImageError::BadHeader;
    }
    in.seek(128);
    // Every line takes at least one byte per two pixels' worth of planes even
    // at the best run ratio (63 bytes in two): refuse files that cannot hold
    // the picture before allocating it.
    const std::uint64_t lineBytes = std::uint64_t{bytesPerLine} * planes;
    if (encoding == 1 && (in.remaining() / 2 + 1) * 63 < lineBytes * height) {
        return ImageError::Truncated;
    }
    if (encoding == 0 && in.remaining() < lineBytes * height) {
        return ImageError::Truncated;
    }

    std::array<std::uint8_t, 768> palette{};
    if (!direct) {
        if (indexBits == 1) {
            palette[3] = palette[4] = palette[5] = 255;
        } else if (indexBits <= 4) {
            std::copy(egaPalette.begin(), egaPalette.end(), palette.begin());
        } else if (data.size() >= 769 && data[data.size() - 769] == 0x0C) {
            const auto tail = data.subspan(data.size() - 768);
            std::copy(tail.begin(), tail.end(), palette.begin());
        } else {
            for (unsigned i = 0; i < 256; ++i) {
                palette[i * 3] = palette[i * 3 + 1] = palette[i * 3 + 2] =
                    static_cast<std::uint8_t>(i * 255 / ((1u << indexBits) - 1));
            }
        }
    }

    Image image;
    const PixelFormat format = direct && planes == 4 ? PixelFormat::Rgba8 : PixelFormat::Rgb8;
    if (const ImageError e = allocateImage(image, width, height, format, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = static_cast<int>(indexBits);
    std::vector<std::uint8_t> line;
    try {
        line.resize(static_cast<std::size_t>(lineBytes));
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    PcxRuns runs(in, encoding == 1);
    const int ch = image.channels();
    for (std::uint32_t y = 0; y < height; ++y) {
        if (const ImageError e = runs.fill(line); e != ImageError::None) {
            return e;
        }
        std::uint8_t* dst = image.row(y);
        for (std::uint64_t x = 0; x < width; ++x, dst += ch) {
            if (direct) {
                for (unsigned p = 0; p < planes; ++p) {
                    dst[p] = line[p * bytesPerLine + x];
                }
                continue;
            }
            // The index gathers the pixel's bits from each plane, plane 0
            // giving the lowest.
            unsigned index = 0;
            for (unsigned p = 0; p < planes; ++p) {
                const std::uint64_t bit = x * bits;
                const unsigned byte = line[p * bytesPerLine + bit / 8];
                const unsigned value = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1u);
                index |= value << (p * bits);
            }
            dst[0] = palette[index * 3];
            dst[1] = palette[index * 3 + 1];
            dst[2] = palette[index * 3 + 2];
        }
    }
    if (runs.overran()) {
        return ImageError::Corrupt;
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
