// SPDX-License-Identifier: MIT
#include "editor/image/ImageFormat.h"

#include "editor/image/IcoReader.h"
#include "editor/image/TgaReader.h"
#include "editor/image/WbmpReader.h"

#include <algorithm>

namespace qv::image {
namespace {

bool startsWith(std::span<const std::uint8_t> data, std::initializer_list<std::uint8_t> magic) {
    return data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin());
}

} // namespace

ImageFormat detectImageFormat(std::span<const std::uint8_t> data) {
    if (startsWith(data, {0xFF, 0xD8, 0xFF})) {
        return ImageFormat::Jpeg;
    }
    if (startsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) {
        return ImageFormat::Png;
    }
    if (startsWith(data, {'G', 'I', 'F', '8', '7', 'a'}) ||
        startsWith(data, {'G', 'I', 'F', '8', '9', 'a'})) {
        return ImageFormat::Gif;
    }
    if (startsWith(data, {'I', 'I', 42, 0}) || startsWith(data, {'M', 'M', 0, 42}) ||
        startsWith(data, {'I', 'I', 43, 0}) || startsWith(data, {'M', 'M', 0, 43})) {
        return ImageFormat::Tiff;
    }
    if (startsWith(data, {'B', 'M'})) {
        return ImageFormat::Bmp;
    }
    // Manufacturer 10, a known version, run-length or plain encoding.
    if (data.size() >= 128 && data[0] == 0x0A && data[1] <= 5 && data[2] <= 1 &&
        (data[3] == 1 || data[3] == 2 || data[3] == 4 || data[3] == 8)) {
        return ImageFormat::Pcx;
    }
    if (looksLikeIco(data)) {
        return ImageFormat::Ico;
    }
    if (looksLikeWbmp(data)) {
        return ImageFormat::Wbmp;
    }
    if (looksLikeTga(data)) {
        return ImageFormat::Tga;
    }
    return ImageFormat::Unknown;
}

const char* imageFormatName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Unknown:
        return "Unknown";
    case ImageFormat::Bmp:
        return "BMP";
    case ImageFormat::Jpeg:
        return "JPEG";
    case ImageFormat::Png:
        return "PNG";
    case ImageFormat::Gif:
        return "GIF";
    case ImageFormat::Tiff:
        return "TIFF";
    case ImageFormat::Ico:
        return "ICO";
    case ImageFormat::Pcx:
        return "PCX";
    case ImageFormat::Wbmp:
        return "WBMP";
    case ImageFormat::Tga:
        return "TGA";
    }
    return "Unknown";
}

} // namespace qv::image
