// SPDX-License-Identifier: MIT
#include "game/engine/ImageProbe.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace qv {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::uint32_t be16(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 8) | p[1];
}
std::uint32_t be32(const std::uint8_t* p) {
    return (be16(p) << 16) | be16(p + 2);
}
std::uint32_t le16(const std::uint8_t* p) {
    return (std::uint32_t{p[1]} << 8) | p[0];
}
std::uint32_t le32(const std::uint8_t* p) {
    return (le16(p + 2) << 16) | le16(p);
}

bool readAt(std::FILE* f, long offset, std::uint8_t* out, std::size_t count) {
    return std::fseek(f, offset, SEEK_SET) == 0 && std::fread(out, 1, count, f) == count;
}

bool endsWithTga(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return tail == ".tga";
}

bool setSize(ImageInfo& info, ImageFormat format, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535) {
        return false;
    }
    info.format = format;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);
    return true;
}

bool probeJpeg(std::FILE* f, long fileSize, ImageInfo& info) {
    long pos = 2;
    // Each segment moves on by at least two bytes, so this ends; the count
    // only caps the work on a file of thousands of empty segments.
    for (int segments = 0; segments < 100000 && pos + 4 <= fileSize; ++segments) {
        std::uint8_t marker[2];
        if (!readAt(f, pos, marker, 2) || marker[0] != 0xFF) {
            return false;
        }
        const std::uint8_t m = marker[1];
        if (m == 0xFF) {
            pos += 1; // fill byte
            continue;
        }
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) {
            pos += 2;
            continue;
        }
        std::uint8_t lengthBytes[2];
        if (!readAt(f, pos + 2, lengthBytes, 2)) {
            return false;
        }
        const long length = static_cast<long>(be16(lengthBytes));
        if (length < 2) {
            return false;
        }
        const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (frame) {
            std::uint8_t sof[5];
            if (length < 7 || !readAt(f, pos + 4, sof, 5)) {
                return false;
            }
            return setSize(info, ImageFormat::Jpeg, be16(sof + 3), be16(sof + 1));
        }
        pos += 2 + length;
    }
    return false;
}

bool probeTga(const std::uint8_t* h, long fileSize, ImageInfo& info) {
    const int idLength = h[0];
    const int mapType = h[1];
    const int imageType = h[2];
    const std::int64_t mapLength = le16(h + 5);
    const int mapBits = h[7];
    const std::int64_t width = le16(h + 12);
    const std::int64_t height = le16(h + 14);
    const int depth = h[16];
    const bool rle = imageType == 9 || imageType == 10 || imageType == 11;
    if (mapType > 1 || !(rle || imageType == 1 || imageType == 2 || imageType == 3)) {
        return false;
    }
    if (depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32) {
        return false;
    }
    const std::int64_t pixelBytes = (depth + 7) / 8;
    const std::int64_t header =
        18 + idLength + (mapType == 1 ? mapLength * ((mapBits + 7) / 8) : 0);
    const std::int64_t pixels = width * height;
    // Run-length packets cover at most 128 pixels each.
    const std::int64_t least =
        header + (rle ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes);
    if (least > fileSize) {
        return false;
    }
    return setSize(info, ImageFormat::Tga, width, height);
}

// The chunks before the pixel data must each fit in the file: libpng
// allocates what a chunk claims before reading it, so a few bytes claiming a
// 2 GB text chunk would take 2 GB.
bool pngChunksFit(std::FILE* f, long fileSize) {
    long pos = 8;
    // Each chunk takes at least 12 bytes, so the walk ends.
    while (pos + 8 <= fileSize) {
        std::uint8_t header[8];
        if (!readAt(f, pos, header, 8)) {
            return false;
        }
        const long length = static_cast<long>(be32(header));
        if (std::equal(header + 4, header + 8, "IDAT")) {
            return true;
        }
        if (length > 0x7FFFFFFFL - 12 || length + 12 > fileSize - pos ||
            std::equal(header + 4, header + 8, "IEND")) {
            return false;
        }
        pos += length + 12;
    }
    return false;
}

} // namespace

bool probeImage(const std::string& path, ImageInfo& info) {
    info = ImageInfo{};
    File f(std::fopen(path.c_str(), "rb"));
    if (!f || std::fseek(f.get(), 0, SEEK_END) != 0) {
        return false;
    }
    const long fileSize = std::ftell(f.get());
    std::array<std::uint8_t, 32> h{};
    if (fileSize < 18 || !readAt(f.get(), 0, h.data(), fileSize < 32 ? 18 : 32)) {
        return false;
    }
    static constexpr std::uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::equal(std::begin(pngSignature), std::end(pngSignature), h.begin())) {
        if (fileSize < 32 || h[12] != 'I' || h[13] != 'H' || h[14] != 'D' || h[15] != 'R') {
            return false;
        }
        return pngChunksFit(f.get(), fileSize) &&
               setSize(info, ImageFormat::Png, be32(&h[16]), be32(&h[20]));
    }
    if (h[0] == 0xFF && h[1] == 0xD8) {
        return probeJpeg(f.get(), fileSize, info);
    }
    if (h[0] == 'B' && h[1] == 'M') {
        if (fileSize < 26) {
            return false;
        }
        const std::uint32_t dibSize = le32(&h[14]);
        if (dibSize == 12) {
            return setSize(info, ImageFormat::Bmp, le16(&h[18]), le16(&h[20]));
        }
        const auto width = static_cast<std::int32_t>(le32(&h[18]));
        const auto height = static_cast<std::int32_t>(le32(&h[22]));
        // A negative height marks rows stored top-down.
        const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
        return setSize(info, ImageFormat::Bmp, width, rows);
    }
    if (endsWithTga(path)) {
        return probeTga(h.data(), fileSize, info);
    }
    return false;
}

const char* imageTypeName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Png:
        return "PNG";
    case ImageFormat::Jpeg:
        return "JPG";
    case ImageFormat::Bmp:
        return "BMP";
    case ImageFormat::Tga:
        return "TGA";
    case ImageFormat::Unknown:
        break;
    }
    return "";
}

} // namespace qv
