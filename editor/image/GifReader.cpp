// SPDX-License-Identifier: MIT
#include "editor/image/GifReader.h"

#include "common/ByteReader.h"

#include <array>
#include <new>
#include <vector>

namespace qv::image {
namespace {

constexpr int kMaxCodes = 4096;

// The image data comes in sub-blocks of up to 255 bytes; codes run across
// their borders, least significant bit first.
class SubBlockBits {
public:
    explicit SubBlockBits(ByteReader& in) : in_(in) {}

    // False when the data (or the block chain) ends before `bits` more bits.
    bool read(int bits, unsigned& code) {
        while (count_ < bits) {
            if (left_ == 0) {
                if (ended_ || in_.atEnd()) {
                    return false;
                }
                left_ = in_.u8();
                if (left_ == 0) {
                    ended_ = true;
                    return false;
                }
            }
            if (in_.atEnd()) {
                return false;
            }
            buffer_ |= static_cast<std::uint32_t>(in_.u8()) << count_;
            count_ += 8;
            --left_;
        }
        code = buffer_ & ((1u << bits) - 1u);
        buffer_ >>= bits;
        count_ -= bits;
        return true;
    }

private:
    ByteReader& in_;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
    unsigned left_ = 0;
    bool ended_ = false;
};

// Decodes the LZW stream into `indices` (width x height, in stored order).
ImageError decodeLzw(ByteReader& in, int minCodeSize, std::vector<std::uint8_t>& indices) {
    std::array<std::uint16_t, kMaxCodes> prefix{};
    std::array<std::uint8_t, kMaxCodes> suffix{};
    std::array<std::uint8_t, kMaxCodes> first{};
    std::array<std::uint16_t, kMaxCodes> length{};
    std::array<std::uint8_t, kMaxCodes> stack{};

    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    for (unsigned i = 0; i < clear; ++i) {
        suffix[i] = static_cast<std::uint8_t>(i);
        first[i] = static_cast<std::uint8_t>(i);
        length[i] = 1;
    }
    unsigned next = clear + 2;
    int size = minCodeSize + 1;
    int prev = -1;
    std::size_t out = 0;
    const std::size_t total = indices.size();
    SubBlockBits bits(in);

    auto emit = [&](unsigned code) {
        unsigned n = length[code];
        unsigned c = code;
        for (unsigned i = n; i > 0; --i) {
            stack[i - 1] = suffix[c];
            c = prefix[c];
        }
        for (unsigned i = 0; i < n && out < total; ++i) {
            indices[out++] = stack[i];
        }
    };

    while (out < total) {
        unsigned code = 0;
        if (!bits.read(size, code)) {
            return ImageError::Truncated;
        }
        if (code == clear) {
            next = clear + 2;
            size = minCodeSize + 1;
            prev = -1;
            continue;
        }
        if (code == end) {
            return ImageError::Truncated; // the stream stopped before the frame was full
        }
        if (prev < 0) {
            if (code >= clear) {
                return ImageError::Corrupt;
            }
            emit(code);
            prev = static_cast<int>(code);
            continue;
        }
        const auto p = static_cast<unsigned>(prev);
        if (code > next || (code == next && next >= kMaxCodes)) {
            return ImageError::Corrupt;
        }
        if (next < kMaxCodes) {
            // The new entry is the previous string plus the first byte of
            // this one; for the code not yet in the table that byte is the
            // previous string's own first byte.
            const std::uint8_t k = code == next ? first[p] : first[code];
            prefix[next] = static_cast<std::uint16_t>(p);
            suffix[next] = k;
            first[next] = first[p];
            length[next] = static_cast<std::uint16_t>(length[p] + 1);
            ++next;
            if (next == (1u << size) && size < 12) {
                ++size;
            }
        }
        emit(code);
        prev = static_cast<int>(code);
    }
    return ImageError::None;
}

void readColourTable(ByteReader& in, unsigned entries, std::array<std::uint8_t, 768>& table) {
    for (unsigned i = 0; i < entries * 3; ++i) {
        table[i] = in.u8();
    }
}

void skipSubBlocks(ByteReader& in) {
    while (!in.failed()) {
        const unsigned n = in.u8();
        if (n == 0) {
            return;
        }
        in.skip(n);
    }
}

} // namespace

ImageError readGif(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    ByteReader in(data);
    const auto magic = in.bytes(6);
    if (magic.size() != 6 || magic[0] != 'G' || magic[1] != 'I' || magic[2] != 'F' ||
        magic[3] != '8' || (magic[4] != '7' && magic[4] != '9') || magic[5] != 'a') {
        return ImageError::UnknownFormat;
    }
    const unsigned screenW = in.u16le();
    const unsigned screenH = in.u16le();
    const unsigned packed = in.u8();
    in.skip(2); // background colour and aspect ratio
    std::array<std::uint8_t, 768> globalTable{};
    unsigned globalEntries = 0;
    int globalBits = 0;
    if (packed & 0x80) {
        globalBits = static_cast<int>(packed & 7) + 1;
        globalEntries = 1u << globalBits;
        readColourTable(in, globalEntries, globalTable);
    }
    if (in.failed()) {
        return ImageError::Truncated;
    }

    int transparent = -1;
    while (true) {
        const unsigned block = in.u8();
        if (in.failed()) {
            return ImageError::Truncated;
        }
        if (block == 0x21) {
            const unsigned label = in.u8();
            if (label == 0xF9) {
                const unsigned size = in.u8();
                if (size >= 4) {
                    const unsigned flags = in.u8();
                    in.skip(2); // delay
                    const unsigned index = in.u8();
                    in.skip(size - 4);
                    transparent = (flags & 1) ? static_cast<int>(index) : -1;
                } else {
                    in.skip(size);
                }
            }
            skipSubBlocks(in);
            if (in.failed()) {
                return ImageError::Truncated;
            }
        } else if (block == 0x2C) {
            break;
        } else if (block == 0x3B) {
            return ImageError::Truncated; // a file without any frame
        } else {
            return ImageError::Corrupt;
        }
    }

    const unsigned left = in.u16le();
    const unsigned top = in.u16le();
    const unsigned frameW = in.u16le();
    const unsigned frameH = in.u16le();
    const unsigned framePacked = in.u8();
    std::array<std::uint8_t, 768> localTable{};
    const std::array<std::uint8_t, 768>* table = &globalTable;
    unsigned entries = globalEntries;
    int tableBits = globalBits;
    if (framePacked & 0x80) {
        tableBits = static_cast<int>(framePacked & 7) + 1;
        entries = 1u << tableBits;
        readColourTable(in, entries, localTable);
        table = &localTable;
    }
    const int minCodeSize = in.u8();
    if (in.failed()) {
        return ImageError::Truncated;
    }
    if (minCodeSize < 1 || minCodeSize > 8) {
        return ImageError::Corrupt;
    }
    if (const ImageError e = checkImageSize(frameW, frameH, limits); e != ImageError::None) {
        return e;
    }
    if (entries == 0) {
        // No colour table at all: show the indices as grey levels.
        for (unsigned i = 0; i < 256; ++i) {
            globalTable[i * 3] = globalTable[i * 3 + 1] = globalTable[i * 3 + 2] =
                static_cast<std::uint8_t>(i);
        }
        table = &globalTable;
        entries = 256;
        tableBits = 8;
    }

    const bool fits = left + frameW <= screenW && top + frameH <= screenH;
    const unsigned canvasW = fits ? screenW : frameW;
    const unsigned canvasH = fits ? screenH : frameH;
    const unsigned offsetX = fits ? left : 0;
    const unsigned offsetY = fits ? top : 0;
    if (const ImageError e = checkImageSize(canvasW, canvasH, limits); e != ImageError::None) {
        return e;
    }

    std::vector<std::uint8_t> indices;
    try {
        indices.resize(std::size_t{frameW} * frameH);
    } catch (const std::bad_alloc&) {
        return ImageError::OutOfMemory;
    }
    if (const ImageError e = decodeLzw(in, minCodeSize, indices); e != ImageError::None) {
        return e;
    }

    const bool covers = canvasW == frameW && canvasH == frameH;
    const PixelFormat format =
        (transparent >= 0 || !covers) ? PixelFormat::Rgba8 : PixelFormat::Rgb8;
    Image image;
    if (const ImageError e = allocateImage(image, canvasW, canvasH, format, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = tableBits;
    const int ch = image.channels();

    // Interlaced frames store every eighth row from 0, then from 4, then every
    // fourth from 2, then the odd rows.
    const bool interlaced = (framePacked & 0x40) != 0;
    unsigned pass = 0;
    unsigned y = 0;
    static constexpr unsigned kStart[4] = {0, 4, 2, 1};
    static constexpr unsigned kStep[4] = {8, 8, 4, 2};
    for (unsigned stored = 0; stored < frameH; ++stored) {
        if (interlaced) {
            while (y >= frameH && pass < 3) {
                ++pass;
                y = kStart[pass];
            }
            if (y >= frameH) {
                break;
            }
        } else {
            y = stored;
        }
        const std::uint8_t* src = indices.data() + std::size_t{stored} * frameW;
        std::uint8_t* dst =
            image.row(offsetY + y) + std::size_t{offsetX} * static_cast<unsigned>(ch);
        for (unsigned x = 0; x < frameW; ++x, dst += ch) {
            const unsigned index = src[x];
            if (index < entries) {
                dst[0] = (*table)[index * 3];
                dst[1] = (*table)[index * 3 + 1];
                dst[2] = (*table)[index * 3 + 2];
            }
            if (ch == 4) {
                dst[3] = static_cast<int>(index) == transparent ? 0 : 255;
            }
        }
        if (interlaced) {
            y += kStep[pass];
        }
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
