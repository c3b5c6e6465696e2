// SPDX-License-Identifier: MIT
// JPEG, PNG and TIFF: each checked against the library on the other side, so
// that a fault in our use of the library cannot hide behind itself.
#include "editor/image/ImageDecoder.h"
#include "editor/image/JpegReader.h"
#include "editor/image/JpegWriter.h"
#include "editor/image/PngReader.h"
#include "editor/image/TiffReader.h"
#include "tests/image/ImageTestHelpers.h"

#include <gtest/gtest.h>

namespace qv::image::test {
namespace {

// A smooth picture: JPEG keeps it within a few levels at quality 90.
Image smooth(std::uint32_t w, std::uint32_t h) {
    Image image;
    allocateImage(image, w, h, PixelFormat::Rgb8, {});
    for (std::uint32_t y = 0; y < h; ++y) {
        for (std::uint32_t x = 0; x < w; ++x) {
            std::uint8_t* p = image.row(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 255 / w);
            p[1] = static_cast<std::uint8_t>(y * 255 / h);
            p[2] = static_cast<std::uint8_t>((x + y) * 255 / (w + h));
        }
    }
    return image;
}

TEST(JpegWriter, BaselineQuality90ThatLibjpegReadsBack) {
    const Image source = smooth(97, 61);
    Bytes jpeg;
    ASSERT_EQ(encodeJpeg(source, jpeg), ImageError::None);
    bool baseline = false;
    int components = 0;
    const Image back = decodeWithLibjpeg(jpeg, &baseline, &components);
    EXPECT_TRUE(baseline);
    EXPECT_EQ(components, 3);
    EXPECT_EQ(firstDifference(back, source, 12), "");
    // The same encoder settings through libjpeg directly give the same bytes.
    EXPECT_EQ(jpeg, writeJpegWithLibjpeg(source, 90, false));
}

TEST(JpegWriter, DropsAlphaAndRefusesEmptyImages) {
    const Image rgba = makeRgb(16, 8, true);
    Bytes jpeg;
    ASSERT_EQ(encodeJpeg(rgba, jpeg), ImageError::None);
    EXPECT_EQ(decodeWithLibjpeg(jpeg).width, 16u);
    EXPECT_EQ(encodeJpeg(Image{}, jpeg), ImageError::CannotWrite);
    EXPECT_TRUE(jpeg.empty());
}

TEST(JpegReader, ReadsWhatLibjpegWrites) {
    const Image source = smooth(64, 40);
    for (const bool progressive : {false, true}) {
        const Bytes jpeg = writeJpegWithLibjpeg(source, 95, progressive);
        Image image;
        ASSERT_EQ(readJpeg(jpeg, image), ImageError::None);
        EXPECT_EQ(image.bitsPerPixel, 24);
        EXPECT_EQ(firstDifference(image, decodeWithLibjpeg(jpeg), 0), "") << progressive;
    }
    Image grey;
    ASSERT_EQ(readJpeg(writeJpegWithLibjpeg(source, 95, false, true), grey), ImageError::None);
    EXPECT_EQ(grey.bitsPerPixel, 8);
    EXPECT_EQ(grey.format, PixelFormat::Rgb8);
    EXPECT_EQ(pixelAt(grey, 10, 10)[0], pixelAt(grey, 10, 10)[2]);
}

TEST(JpegReader, DctScalingKeepsAtLeastTheShrunkSize) {
    const Image source = smooth(2000, 1200);
    const Bytes jpeg = writeJpegWithLibjpeg(source, 90, false);
    Image image;
    ASSERT_EQ(readJpeg(jpeg, image, {}, {680, 275}), ImageError::None);
    EXPECT_EQ(image.sourceWidth, 2000u);
    EXPECT_EQ(image.sourceHeight, 1200u);
    // The shrink goes to 458 x 275; an eighth (250 x 150) is too small, a
    // quarter (500 x 300) is the smallest that holds it.
    EXPECT_EQ(image.width, 500u);
    EXPECT_EQ(image.height, 300u);
}

TEST(JpegReader, TruncatedAndDamagedFilesAreRefused) {
    const Bytes jpeg = writeJpegWithLibjpeg(smooth(64, 64), 90, false);
    Image image;
    EXPECT_EQ(
        readJpeg(Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2)),
                 image),
        ImageError::Truncated);
    Bytes damaged = jpeg;
    // A marker in the middle of the entropy data: libjpeg would fill the
    // rest of the picture with grey.
    damaged[damaged.size() - 40] = 0xFF;
    damaged[damaged.size() - 39] = 0xD9;
    EXPECT_NE(readJpeg(damaged, image), ImageError::None);
    EXPECT_EQ(readJpeg(Bytes{0xFF, 0xD8, 0xFF}, image), ImageError::Truncated);
}

TEST(JpegReader, EndlessScanListsAreRefused) {
    const Bytes jpeg = writeJpegWithManyScans(makeRgb(16, 16));
    EXPECT_EQ(decodeWithLibjpeg(jpeg).width, 16u);
    Image image;
    EXPECT_EQ(readJpeg(jpeg, image), ImageError::Corrupt);
}

TEST(PngReader, ReadsWhatLibpngWrites) {
    const Image rgb = makeRgb(23, 17);
    const Image rgba = makeRgb(23, 17, true);
    for (const bool interlaced : {false, true}) {
        Image image;
        ASSERT_EQ(readPng(writePngWithLibpng(rgb, interlaced), image), ImageError::None);
        EXPECT_EQ(firstDifference(image, rgb), "") << interlaced;
        ASSERT_EQ(readPng(writePngWithLibpng(rgba, interlaced), image), ImageError::None);
        EXPECT_EQ(image.format, PixelFormat::Rgba8);
        EXPECT_EQ(firstDifference(image, rgba), "") << interlaced;
    }
    Image deep;
    ASSERT_EQ(readPng(writePngWithLibpng(rgb, false, 16), deep), ImageError::None);
    EXPECT_EQ(firstDifference(deep, rgb), "");
    EXPECT_EQ(deep.bitsPerPixel, 48);
}

TEST(PngReader, LowBitGreyWidensToFullRange) {
    const Indexed picture = makeIndexed(13, 3, 2);
    Image image;
    ASSERT_EQ(readPng(writeGreyPngWithLibpng(picture, 1), image), ImageError::None);
    EXPECT_EQ(image.bitsPerPixel, 1);
    EXPECT_EQ(firstDifference(image, expand(picture)), "");
}

TEST(PngReader, TruncatedFileFails) {
    const Bytes png = writePngWithLibpng(makeRgb(40, 40), false);
    Image image;
    EXPECT_EQ(readPng(Bytes(png.begin(), png.begin() + 60), image), ImageError::Truncated);
}

TEST(TiffReader, ReadsWhatLibtiffWrites) {
    const Image rgb = makeRgb(19, 11);
    for (const bool lzw : {false, true}) {
        Image image;
        ASSERT_EQ(readTiff(writeTiffWithLibtiff(rgb, lzw), image), ImageError::None);
        EXPECT_EQ(image.format, PixelFormat::Rgb8);
        EXPECT_EQ(firstDifference(image, rgb), "") << lzw;
    }
    const Image rgba = makeRgb(19, 11, true);
    Image image;
    ASSERT_EQ(readTiff(writeTiffWithLibtiff(rgba, true), image), ImageError::None);
    EXPECT_EQ(image.format, PixelFormat::Rgba8);
    // libtiff premultiplies unassociated alpha; the reader undoes that, which
    // is exact enough wherever the pixel is more than half opaque.
    for (std::uint32_t y = 0; y < rgba.height; ++y) {
        for (std::uint32_t x = 0; x < rgba.width; ++x) {
            const auto want = pixelAt(rgba, x, y);
            const auto got = pixelAt(image, x, y);
            EXPECT_EQ(got[3], want[3]);
            for (std::size_t c = 0; c < 3 && want[3] >= 128; ++c) {
                EXPECT_NEAR(got[c], want[c], 1) << x << "," << y;
            }
        }
    }
}

TEST(TiffReader, TruncatedFileFailsQuietly) {
    const Bytes tiff = writeTiffWithLibtiff(makeRgb(50, 50), false);
    Image image;
    testing::internal::CaptureStderr();
    EXPECT_NE(readTiff(Bytes(tiff.begin(), tiff.begin() + 200), image), ImageError::None);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace qv::image::test
