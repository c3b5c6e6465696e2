// SPDX-License-Identifier: MIT
#include "editor/image/PictureImport.h"

#include "common/FileIo.h"
#include "editor/image/ImageDecoder.h"
#include "editor/image/JpegReader.h"
#include "editor/image/JpegWriter.h"
#include "editor/image/Resample.h"

#include <string_view>
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

bool readStoredPicture(std::span<const std::uint8_t> bytes, Image* decoded) {
    Image image;
    JpegDetails details;
    const DecodeLimits limits{kPictureMaxWidth,
                              std::uint64_t{kPictureMaxWidth} * kPictureMaxHeight};
    if (readJpeg(bytes, image, limits, {}, &details) != ImageError::None) {
        return false;
    }
    if (!details.yCbCr || image.bitsPerPixel != 24 || image.width > kPictureMaxWidth ||
        image.height > kPictureMaxHeight) {
        return false;
    }
    if (decoded != nullptr) {
        *decoded = std::move(image);
    }
    return true;
}

bool preparePicture(std::span<const std::uint8_t> bytes, ImportedPicture& out,
                    std::vector<std::uint8_t>& jpeg, ImageError* error,
                    const DecodeLimits& limits) {
    out = ImportedPicture{};
    jpeg.clear();
    if (readStoredPicture(bytes, &out.picture)) {
        out.decoded = true;
        out.keptSourceBytes = true;
        out.steps = planShrink(out.picture.width, out.picture.height);
        try {
            jpeg.assign(bytes.begin(), bytes.end());
        } catch (const std::bad_alloc&) {
            return report(error, ImageError::OutOfMemory);
        }
        return report(error, ImageError::None);
    }
    Image image;
    ImageError e = ImageError::None;
    const JpegDecodeOptions scaling{kPictureMaxWidth, kPictureMaxHeight};
    if (!decodeImage(bytes, image, &e, limits, scaling)) {
        return report(error, e);
    }
    out.decoded = true;
    out.steps = planShrink(image.sourceWidth, image.sourceHeight);
    if (out.steps.shrinks() || image.width != image.sourceWidth ||
        image.height != image.sourceHeight) {
        Image shrunk;
        e = shrinkPicture(image, out.steps, shrunk);
        if (e != ImageError::None) {
            return report(error, e);
        }
        image = std::move(shrunk);
    }
    raiseTo24Bits(image);
    e = encodeJpeg(image, jpeg, kPictureQuality);
    if (e != ImageError::None) {
        return report(error, e);
    }
    out.picture = std::move(image);
    return report(error, ImageError::None);
}

bool importPictureFile(const std::filesystem::path& source, const std::filesystem::path& target,
                       ImportedPicture& out, ImageError* error) {
    out = ImportedPicture{};
    std::vector<std::uint8_t> bytes;
    if (!readImageFile(source, bytes, error)) {
        return false;
    }
    std::vector<std::uint8_t> jpeg;
    if (!preparePicture(bytes, out, jpeg, error)) {
        return false;
    }
    std::error_code ec;
    if (out.keptSourceBytes && std::filesystem::equivalent(source, target, ec)) {
        return report(error, ImageError::None);
    }
    const std::string_view written(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    return report(error,
                  qv::writeFileAtomically(target, written) ? ImageError::None : ImageError::CannotWrite);
}

bool removePictureFile(const std::filesystem::path& target) {
    std::error_code ec;
    std::filesystem::remove(target, ec);
    return !ec;
}

} // namespace qv::image
