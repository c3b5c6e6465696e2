// SPDX-License-Identifier: MIT
#include "editor/image/ImageDecoder.h"

#include "editor/image/BmpReader.h"
#include "editor/image/GifReader.h"
#include "editor/image/IcoReader.h"
#include "editor/image/PcxReader.h"
#include "editor/image/PngReader.h"
#include "editor/image/TgaReader.h"
#include "editor/image/TiffReader.h"
#include "editor/image/WbmpReader.h"

#include <fstream>
#include <new>
#include <system_error>

namespace qv::image {
namespace {

bool report(ImageError* error, ImageError e) {
    if (error != nullptr) {
        *error = e;
    }
    return e == ImageError::None;
}

} // namespace

bool decodeImage(std::span<const std::uint8_t> data, Image& out, ImageError* error,
                 const DecodeLimits& limits, const JpegDecodeOptions& jpeg) {
    Image image;
    ImageError e = ImageError::UnknownFormat;
    switch (detectImageFormat(data)) {
    case ImageFormat::Jpeg:
        e = readJpeg(data, image, limits, jpeg);
        break;
    case ImageFormat::Png:
        e = readPng(data, image, limits);
        break;
    case ImageFormat::Gif:
        e = readGif(data, image, limits);
        break;
    case ImageFormat::Tiff:
        e = readTiff(data, image, limits);
        break;
    case ImageFormat::Bmp:
        e = readBmp(data, image, limits);
        break;
    case ImageFormat::Pcx:
        e = readPcx(data, image, limits);
        break;
    case ImageFormat::Ico:
        e = readIco(data, image, limits);
        break;
    case ImageFormat::Wbmp:
        e = readWbmp(data, image, limits);
        break;
    case ImageFormat::Tga:
        e = readTga(data, image, limits);
        break;
    case ImageFormat::Unknown:
        break;
    }
    if (e == ImageError::None) {
        out = std::move(image);
    }
    return report(error, e);
}

bool readImageFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                   ImageError* error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return report(error, ImageError::CannotRead);
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return report(error, ImageError::CannotRead);
    }
    if (size > kMaxImageFileBytes) {
        return report(error, ImageError::TooLarge);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return report(error, ImageError::CannotRead);
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return report(error, ImageError::OutOfMemory);
    }
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return report(error, ImageError::CannotRead);
    }
    out = std::move(bytes);
    return report(error, ImageError::None);
}

bool decodeImageFile(const std::filesystem::path& path, Image& out, ImageError* error,
                     const DecodeLimits& limits) {
    std::vector<std::uint8_t> bytes;
    if (!readImageFile(path, bytes, error)) {
        return false;
    }
    return decodeImage(bytes, out, error, limits);
}

} // namespace qv::image
