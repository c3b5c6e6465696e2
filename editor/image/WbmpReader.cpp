// SPDX-License-Identifier: MIT
#include "editor/image/WbmpReader.h"

#include "common/ByteReader.h"

namespace qv::image {
namespace {

// A multi-byte integer: seven bits a byte, high bit set on every byte but the
// last. Five bytes are more than any side we accept.
bool readVarInt(ByteReader& in, std::uint64_t& value) {
    value = 0;
    for (int i = 0; i < 5; ++i) {
        const unsigned b = in.u8();
        if (in.failed()) {
            return false;
        }
        value = (value << 7) | (b & 0x7F);
        if ((b & 0x80) == 0) {
            return true;
        }
    }
    return false;
}

struct WbmpHeader {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::size_t dataOffset = 0;
};

bool readHeader(std::span<const std::uint8_t> data, WbmpHeader& h) {
    ByteReader in(data);
    std::uint64_t type = 0;
    if (!readVarInt(in, type) || type != 0) {
        return false;
    }
    const unsigned fixed = in.u8();
    if (in.failed() || (fixed & 0x9F) != 0) {
        return false; // extension headers are not used by type 0
    }
    if (!readVarInt(in, h.width) || !readVarInt(in, h.height)) {
        return false;
    }
    h.dataOffset = in.position();
    return true;
}

} // namespace

bool looksLikeWbmp(std::span<const std::uint8_t> data) {
    WbmpHeader h;
    if (!readHeader(data, h) || h.width == 0 || h.height == 0 || h.width > 0xFFFFFF ||
        h.height > 0xFFFFFF) {
        return false;
    }
    const std::uint64_t need = (h.width + 7) / 8 * h.height;
    const std::uint64_t have = data.size() - h.dataOffset;
    return have >= need && have - need <= 16;
}

ImageError readWbmp(std::span<const std::uint8_t> data, Image& out, const DecodeLimits& limits) {
    WbmpHeader h;
    if (!readHeader(data, h)) {
        return data.size() < 4 ? ImageError::Truncated : ImageError::BadHeader;
    }
    if (const ImageError e = checkImageSize(h.width, h.height, limits); e != ImageError::None) {
        return e;
    }
    const std::uint64_t stride = (h.width + 7) / 8;
    if (data.size() - h.dataOffset < stride * h.height) {
        return ImageError::Truncated;
    }
    Image image;
    if (const ImageError e = allocateImage(image, h.width, h.height, PixelFormat::Rgb8, limits);
        e != ImageError::None) {
        return e;
    }
    image.bitsPerPixel = 1;
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint8_t* src = data.data() + h.dataOffset + stride * y;
        std::uint8_t* dst = image.row(y);
        for (std::uint32_t x = 0; x < image.width; ++x, dst += 3) {
            const std::uint8_t v = ((src[x / 8] >> (7 - x % 8)) & 1) ? 255 : 0;
            dst[0] = dst[1] = dst[2] = v;
        }
    }
    out = std::move(image);
    return ImageError::None;
}

} // namespace qv::image
