// SPDX-License-Identifier: MIT
// Our own readers against pictures the tests write themselves.
#include "editor/image/BmpReader.h"
#include "editor/image/GifReader.h"
#include "editor/image/IcoReader.h"
#include "editor/image/ImageDecoder.h"
#include "editor/image/PcxReader.h"
#include "editor/image/TgaReader.h"
#include "editor/image/WbmpReader.h"
#include "tests/image/ImageTestHelpers.h"

#include <gtest/gtest.h>

namespace qv::image::test {
namespace {

Image decoded(const Bytes& bytes, ImageFormat expected) {
    EXPECT_EQ(detectImageFormat(bytes), expected) << imageFormatName(expected);
    Image image;
    ImageError e = ImageError::None;
    EXPECT_TRUE(decodeImage(bytes, image, &e)) << imageErrorName(e);
    return image;
}

// Channel values as a 5-bit field gives them back.
Image quantised5(Image image) {
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (image.channels() == 4 && i % 4 == 3) {
            continue;
        }
        image.pixels[i] = static_cast<std::uint8_t>((image.pixels[i] >> 3) * 255 / 31);
    }
    return image;
}

TEST(BmpReader, IndexedDepthsBothRowOrders) {
    for (const int bpp : {1, 4, 8}) {
        const Indexed picture = makeIndexed(13, 7, bpp == 1 ? 2 : (bpp == 4 ? 16 : 200));
        for (const bool topDown : {false, true}) {
            const Image image = decoded(writeBmpIndexed(picture, bpp, topDown), ImageFormat::Bmp);
            EXPECT_EQ(firstDifference(image, expand(picture)), "")
                << bpp << " top-down " << topDown;
            EXPECT_EQ(image.bitsPerPixel, bpp);
        }
    }
}

TEST(BmpReader, TrueColourDepths) {
    const Image source = makeRgb(11, 6);
    for (const bool topDown : {false, true}) {
        EXPECT_EQ(
            firstDifference(decoded(writeBmpRgb(source, 24, topDown), ImageFormat::Bmp), source),
            "");
        const Image padded = decoded(writeBmpRgb(source, 32, topDown), ImageFormat::Bmp);
        EXPECT_EQ(padded.format, PixelFormat::Rgb8) << "the fourth byte of BI_RGB is padding";
        EXPECT_EQ(firstDifference(padded, source), "");
        EXPECT_EQ(firstDifference(decoded(writeBmpRgb(source, 16, topDown), ImageFormat::Bmp),
                                  quantised5(source)),
                  "");
    }
}

TEST(BmpReader, BitFieldsIncludingAlpha) {
    const Image source = makeRgb(9, 5, true);
    const Image argb = decoded(writeBmpBitFields(source, 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}),
                               ImageFormat::Bmp);
    ASSERT_EQ(argb.format, PixelFormat::Rgba8);
    EXPECT_EQ(firstDifference(argb, source), "");

    // 5-6-5: green keeps six bits.
    const Image rgb565 =
        decoded(writeBmpBitFields(source, 16, {0xF800, 0x07E0, 0x001F, 0}), ImageFormat::Bmp);
    EXPECT_EQ(pixelAt(rgb565, 3, 2)[1], (pixelAt(source, 3, 2)[1] >> 2) * 255 / 63);
    EXPECT_EQ(pixelAt(rgb565, 3, 2)[0], (pixelAt(source, 3, 2)[0] >> 3) * 255 / 31);
}

TEST(BmpReader, Rle8WithRunsLiteralsDeltaAndEndOfLine) {
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    // Bottom row: 3 x red, literal green blue green; next row: delta 2 right,
    // two blue; then end of picture (the top row stays colour 0).
    const Bytes body = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 0, 2, 3, 0, 1};
    const Image image = decoded(writeBmpRle(6, 3, 8, palette, body), ImageFormat::Bmp);
    ASSERT_EQ(image.width, 6u);
    EXPECT_EQ(pixelAt(image, 0, 2)[0], 255);
    EXPECT_EQ(pixelAt(image, 3, 2)[1], 255);
    EXPECT_EQ(pixelAt(image, 4, 2)[2], 255);
    EXPECT_EQ(pixelAt(image, 1, 1)[2], 0);
    EXPECT_EQ(pixelAt(image, 2, 1)[2], 255);
    EXPECT_EQ(pixelAt(image, 3, 1)[2], 255);
    EXPECT_EQ(pixelAt(image, 0, 0)[0], 0);
}

TEST(BmpReader, Rle4AlternatesNibbles) {
    const std::vector<Rgb> palette = {{0, 0, 0}, {10, 10, 10}, {20, 20, 20}, {30, 30, 30}};
    // A run of five alternating 1 and 2, then a literal of three: 3, 1, 2.
    const Bytes body = {5, 0x12, 0, 3, 0x31, 0x20, 0, 1};
    const Image image = decoded(writeBmpRle(8, 1, 4, palette, body), ImageFormat::Bmp);
    const int expected[] = {10, 20, 10, 20, 10, 30, 10, 20};
    for (std::uint32_t x = 0; x < 8; ++x) {
        EXPECT_EQ(pixelAt(image, x, 0)[0], expected[x]) << x;
    }
}

TEST(BmpReader, RleThatRunsPastTheLastRowFails) {
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 0, 0}};
    Image image;
    EXPECT_EQ(readBmp(writeBmpRle(4, 1, 8, palette, {4, 1, 0, 0, 4, 1, 0, 1}), image),
              ImageError::Corrupt);
    EXPECT_EQ(readBmp(writeBmpRle(4, 1, 8, palette, {4, 1}), image), ImageError::Truncated);
}

TEST(GifReader, PlainInterlacedAndLocalTable) {
    const Indexed picture = makeIndexed(37, 23, 13);
    const Image expected = expand(picture);
    EXPECT_EQ(firstDifference(decoded(writeGif(picture), ImageFormat::Gif), expected), "");
    EXPECT_EQ(firstDifference(decoded(writeGif(picture, {.interlaced = true}), ImageFormat::Gif),
                              expected),
              "");
    EXPECT_EQ(firstDifference(decoded(writeGif(picture, {.localTable = true}), ImageFormat::Gif),
                              expected),
              "");
}

TEST(GifReader, LongStreamFillsTheCodeTable) {
    // Enough varied pixels to grow the codes to twelve bits and run the table
    // full, which makes the writer clear it mid-stream.
    const Indexed picture = makeIndexed(300, 200, 256);
    const Image image = decoded(writeGif(picture), ImageFormat::Gif);
    EXPECT_EQ(firstDifference(image, expand(picture)), "");
    EXPECT_EQ(image.bitsPerPixel, 8);
}

TEST(GifReader, TransparencyAndFramePlacement) {
    const Indexed picture = makeIndexed(5, 4, 4);
    const Image clear = decoded(writeGif(picture, {.transparent = 2}), ImageFormat::Gif);
    ASSERT_EQ(clear.format, PixelFormat::Rgba8);
    for (std::uint32_t i = 0; i < 20; ++i) {
        EXPECT_EQ(clear.pixels[i * 4 + 3], picture.indices[i] == 2 ? 0 : 255);
    }
    const Image placed =
        decoded(writeGif(picture, {.screenWidth = 9, .screenHeight = 8, .left = 3, .top = 2}),
                ImageFormat::Gif);
    ASSERT_EQ(placed.width, 9u);
    EXPECT_EQ(pixelAt(placed, 0, 0)[3], 0);
    EXPECT_EQ(pixelAt(placed, 3, 2)[3], 255);
    EXPECT_EQ(pixelAt(placed, 3, 2)[0], picture.palette[picture.indices[0]].r);
}

TEST(GifReader, BadCodesAndShortStreamsFail) {
    // Two pixels, four colours, two-bit codes (three bits on the wire): a
    // clear code, then code 7, which no string has been given yet.
    const Bytes bad = {
        'G', 'I', 'F', '8',          '9', 'a', 2, 0,   1,    0, 0x81, 0, 0, 0, 0, 0, 255,
        0,   0,   0,   255,          0,   0,   0, 255, 0x2C, 0, 0,    0, 0, 2, 0, 1, 0,
        0,   2,   1,   4 | (7 << 3), 0,   0x3B};
    Image image;
    EXPECT_EQ(readGif(bad, image), ImageError::Corrupt);
    Bytes gif = writeGif(makeIndexed(40, 40, 16));
    gif.resize(gif.size() - 6);
    EXPECT_EQ(readGif(gif, image), ImageError::Truncated);
}

TEST(TgaReader, EveryTypeAndOrientation) {
    const Indexed mapped = makeIndexed(10, 6, 40);
    const Image rgb = makeRgb(10, 6);
    const Image rgba = makeRgb(10, 6, true);
    for (const bool rle : {false, true}) {
        for (const unsigned descriptor : {0x00u, 0x10u, 0x20u, 0x30u}) {
            SCOPED_TRACE(testing::Message() << "rle " << rle << " descriptor " << descriptor);
            EXPECT_EQ(
                firstDifference(decoded(writeTgaMapped(mapped, rle, descriptor), ImageFormat::Tga),
                                expand(mapped)),
                "");
            EXPECT_EQ(firstDifference(
                          decoded(writeTgaTrue(rgb, 24, rle, descriptor), ImageFormat::Tga), rgb),
                      "");
            const Image withAlpha =
                decoded(writeTgaTrue(rgba, 32, rle, descriptor), ImageFormat::Tga);
            EXPECT_EQ(withAlpha.format, PixelFormat::Rgba8);
            EXPECT_EQ(firstDifference(withAlpha, rgba), "");
            EXPECT_EQ(
                firstDifference(decoded(writeTgaTrue(rgb, 16, rle, descriptor), ImageFormat::Tga),
                                quantised5(rgb)),
                "");
            const Image grey = decoded(writeTgaGrey(rgb, rle, descriptor), ImageFormat::Tga);
            EXPECT_EQ(pixelAt(grey, 7, 4)[1], pixelAt(rgb, 7, 4)[0]);
        }
    }
}

TEST(TgaReader, PacketPastTheLastPixelFails) {
    Bytes tga = writeTgaGrey(makeRgb(4, 2), true);
    tga.resize(18);
    tga.insert(tga.end(), {0x85, 9, 0x82, 9}); // 6 pixels, then 3 more of 8
    Image image;
    EXPECT_EQ(readTga(tga, image), ImageError::Corrupt);
}

TEST(PcxReader, PlaneAndDepthCombinations) {
    struct Case {
        int bits, planes;
        unsigned colours;
    };
    for (const Case c : {Case{1, 1, 2}, Case{1, 4, 16}, Case{2, 1, 4}, Case{4, 1, 16},
                         Case{8, 1, 256}, Case{1, 3, 8}, Case{2, 2, 16}}) {
        const Indexed picture = makeIndexed(21, 9, c.colours);
        const Image image = decoded(writePcxIndexed(picture, c.bits, c.planes), ImageFormat::Pcx);
        EXPECT_EQ(firstDifference(image, expand(picture)), "") << c.bits << "x" << c.planes;
        EXPECT_EQ(image.bitsPerPixel, c.bits * c.planes);
    }
    const Image rgb = makeRgb(21, 9);
    EXPECT_EQ(firstDifference(decoded(writePcxRgb(rgb), ImageFormat::Pcx), rgb), "");
}

TEST(PcxReader, RunPastTheLastLineFails) {
    const Indexed picture = makeIndexed(4, 1, 256);
    Bytes pcx = writePcxIndexed(picture, 8, 1);
    pcx.resize(128);
    pcx.insert(pcx.end(), {0xC8, 1}); // eight bytes for a four-byte picture
    Image image;
    EXPECT_EQ(readPcx(pcx, image), ImageError::Corrupt);
}

TEST(IcoReader, PicksTheLargestEntryOfEitherKind) {
    const Indexed small = makeIndexed(16, 16, 16);
    const Image large = makeRgb(32, 32, true);
    const Bytes ico =
        writeIco({{16, 16, 8, writeIconDib8(small, 3)}, {32, 32, 32, writeIconDib32(large)}});
    const Image image = decoded(ico, ImageFormat::Ico);
    EXPECT_EQ(firstDifference(image, large), "");

    const Image only = decoded(writeIco({{16, 16, 8, writeIconDib8(small, 3)}}), ImageFormat::Ico);
    ASSERT_EQ(only.format, PixelFormat::Rgba8);
    for (std::uint32_t i = 0; i < 256; ++i) {
        EXPECT_EQ(only.pixels[i * 4 + 3], small.indices[i] == 3 ? 0 : 255) << i;
    }

    const Image png =
        decoded(writeIco({{16, 16, 8, writeIconDib8(small, 3)},
                          {48, 48, 32, writePngWithLibpng(makeRgb(48, 48, true), false)}}),
                ImageFormat::Ico);
    EXPECT_EQ(firstDifference(png, makeRgb(48, 48, true)), "");
}

TEST(WbmpReader, OneBitRows) {
    const Indexed picture = makeIndexed(19, 5, 2);
    const Image image = decoded(writeWbmp(picture), ImageFormat::Wbmp);
    EXPECT_EQ(firstDifference(image, expand(picture)), "");
    EXPECT_EQ(image.bitsPerPixel, 1);
    Bytes shortFile = writeWbmp(picture);
    shortFile.pop_back();
    Image out;
    EXPECT_EQ(readWbmp(shortFile, out), ImageError::Truncated);
}

} // namespace
} // namespace qv::image::test
