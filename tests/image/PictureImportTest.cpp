// SPDX-License-Identifier: MIT
// Shrinking, raising to 24 bits and bringing a file in as a question picture.
#include "editor/image/PictureImport.h"
#include "editor/image/ImageDecoder.h"
#include "editor/image/JpegWriter.h"
#include "editor/image/PictureSize.h"
#include "editor/image/Resample.h"
#include "tests/image/ImageTestHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qv::image::test {
namespace {

TEST(PictureSize, ShrinksInTwoStepsInDoublePrecision) {
    struct Case {
        std::uint32_t w, h, w1, h1, w2, h2;
    };
    for (const Case c : {Case{1000, 600, 680, 408, 458, 275}, Case{1024, 768, 680, 510, 366, 275},
                         Case{300, 500, 300, 500, 165, 275}, Case{681, 100, 680, 99, 680, 99}}) {
        const ShrinkSteps s = planShrink(c.w, c.h);
        EXPECT_EQ(s.afterWidth, (PictureSize{c.w1, c.h1})) << c.w << "x" << c.h;
        EXPECT_EQ(s.afterHeight, (PictureSize{c.w2, c.h2})) << c.w << "x" << c.h;
        EXPECT_TRUE(s.shrinks());
    }
    const ShrinkSteps exact = planShrink(680, 275);
    EXPECT_FALSE(exact.shrinks());
    EXPECT_EQ(exact.afterHeight, (PictureSize{680, 275}));
    // A thin strip keeps one row instead of vanishing.
    EXPECT_EQ(planShrink(16000, 10).afterHeight, (PictureSize{680, 1}));
}

TEST(Resample, NearestPixelByTheTruncatedRatio) {
    const Image source = makeRgb(7, 5);
    Image out;
    ASSERT_EQ(resampleNearest(source, 3, 4, out), ImageError::None);
    for (std::uint32_t y = 0; y < 4; ++y) {
        for (std::uint32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(pixelAt(out, x, y), pixelAt(source, x * 7 / 3, y * 5 / 4));
        }
    }
    // Enlarging repeats pixels the same way.
    ASSERT_EQ(resampleNearest(source, 14, 5, out), ImageError::None);
    EXPECT_EQ(pixelAt(out, 13, 4), pixelAt(source, 6, 4));
}

TEST(Resample, OnePassEqualsTheTwoSteps) {
    const Image source = makeRgb(1000, 600);
    const ShrinkSteps steps = planShrink(1000, 600);
    Image first, twice, once;
    ASSERT_EQ(resampleNearest(source, steps.afterWidth.width, steps.afterWidth.height, first),
              ImageError::None);
    ASSERT_EQ(resampleNearest(first, steps.afterHeight.width, steps.afterHeight.height, twice),
              ImageError::None);
    ASSERT_EQ(shrinkPicture(source, steps, once), ImageError::None);
    EXPECT_EQ(once.pixels, twice.pixels);
}

TEST(Resample, RaisingTo24BitsDropsAlpha) {
    Image image = makeRgb(4, 3, true);
    image.bitsPerPixel = 8;
    raiseTo24Bits(image);
    EXPECT_EQ(image.format, PixelFormat::Rgb8);
    EXPECT_EQ(image.bitsPerPixel, 24);
    EXPECT_EQ(image.pixels.size(), 36u);
    EXPECT_EQ(firstDifference(image, makeRgb(4, 3)), "");
}

class PictureImportTest : public testing::Test {
protected:
    void SetUp() override {
        folder = makeTempFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(PictureImportTest, LowDepthPicturesAreStoredAs24BitJpegs) {
    const Indexed mono = makeIndexed(40, 30, 2);
    const Indexed palette = makeIndexed(40, 30, 200);
    writeFile(folder / "mono.bmp", writeBmpIndexed(mono, 1));
    writeFile(folder / "palette.gif", writeGif(palette));
    for (const char* name : {"mono.bmp", "palette.gif"}) {
        const auto target = folder / "pic_for_q_3.jpg";
        ImportedPicture picture;
        ImageError e = ImageError::None;
        ASSERT_TRUE(importPictureFile(folder / name, target, picture, &e)) << imageErrorName(e);
        EXPECT_FALSE(picture.steps.shrinks());
        EXPECT_EQ(picture.picture.bitsPerPixel, 24);
        bool baseline = false;
        int components = 0;
        const Image stored = decodeWithLibjpeg(readFile(target), &baseline, &components);
        EXPECT_TRUE(baseline);
        EXPECT_EQ(components, 3) << name;
        EXPECT_EQ(stored.width, 40u);
    }
}

TEST_F(PictureImportTest, LargePicturesAreShrunkAndReported) {
    writeFile(folder / "big.bmp", writeBmpRgb(makeRgb(1024, 768), 24));
    ImportedPicture picture;
    ASSERT_TRUE(importPictureFile(folder / "big.bmp", folder / "pic_for_q_1.jpg", picture));
    EXPECT_TRUE(picture.steps.shrinks());
    EXPECT_EQ(picture.picture.width, 366u);
    EXPECT_EQ(picture.picture.height, 275u);
    EXPECT_EQ(decodeWithLibjpeg(readFile(folder / "pic_for_q_1.jpg")).width, 366u);
}

TEST_F(PictureImportTest, LargeJpegKeepsTheExactShrunkSize) {
    writeFile(folder / "photo.jpg", writeJpegWithLibjpeg(makeRgb(1000, 600), 90, false));
    ImportedPicture picture;
    ASSERT_TRUE(importPictureFile(folder / "photo.jpg", folder / "pic_for_q_1.jpg", picture));
    EXPECT_EQ(picture.picture.width, 458u);
    EXPECT_EQ(picture.picture.height, 275u);
    EXPECT_FALSE(picture.keptSourceBytes);
}

TEST_F(PictureImportTest, StoredPictureIsLeftUntouchedWhenShownAgain) {
    const auto target = folder / "pic_for_q_2.jpg";
    writeFile(folder / "source.bmp", writeBmpRgb(makeRgb(680, 275), 24));
    ImportedPicture picture;
    ASSERT_TRUE(importPictureFile(folder / "source.bmp", target, picture));
    EXPECT_FALSE(picture.steps.shrinks());
    const Bytes first = readFile(target);
    const auto written = std::filesystem::last_write_time(target);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(importPictureFile(target, target, picture));
        EXPECT_TRUE(picture.keptSourceBytes);
    }
    EXPECT_EQ(readFile(target), first);
    EXPECT_EQ(std::filesystem::last_write_time(target), written);

    // A question that moves to a new number takes its bytes along.
    ASSERT_TRUE(importPictureFile(target, folder / "pic_for_q_1.jpg", picture));
    EXPECT_EQ(readFile(folder / "pic_for_q_1.jpg"), first);

    EXPECT_TRUE(removePictureFile(target));
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(removePictureFile(target)) << "a missing file is no error";
}

TEST_F(PictureImportTest, OnlyValidSmallColourJpegsCountAsStored) {
    Bytes jpeg;
    ASSERT_EQ(encodeJpeg(makeRgb(100, 50), jpeg), ImageError::None);
    EXPECT_TRUE(readStoredPicture(jpeg));
    EXPECT_FALSE(readStoredPicture(writeJpegWithLibjpeg(makeRgb(100, 50), 90, false, true)));
    EXPECT_FALSE(readStoredPicture(writeJpegWithLibjpeg(makeRgb(681, 10), 90, false)));
    EXPECT_FALSE(readStoredPicture(Bytes(jpeg.begin(), jpeg.end() - 20)));
}

TEST_F(PictureImportTest, FailuresLeaveNoFileBehind) {
    writeFile(folder / "junk.bin", Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    ImportedPicture picture;
    ImageError e = ImageError::None;
    EXPECT_FALSE(importPictureFile(folder / "junk.bin", folder / "pic_for_q_1.jpg", picture, &e));
    EXPECT_EQ(e, ImageError::UnknownFormat);
    EXPECT_FALSE(picture.decoded);
    EXPECT_FALSE(
        importPictureFile(folder / "missing.bmp", folder / "pic_for_q_1.jpg", picture, &e));
    EXPECT_EQ(e, ImageError::CannotRead);
    writeFile(folder / "ok.bmp", writeBmpRgb(makeRgb(8, 8), 24));
    EXPECT_FALSE(importPictureFile(folder / "ok.bmp", folder / "no-such-folder" / "pic_for_q_1.jpg",
                                   picture, &e));
    EXPECT_EQ(e, ImageError::CannotWrite);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

TEST(ImageDecoder, LimitsAreCheckedBeforeAllocating) {
    // 20000 x 1 and 12000 x 12000 headers over a handful of bytes.
    Bytes wide = writeBmpRgb(makeRgb(1, 1), 24);
    wide[18] = 0x20;
    wide[19] = 0x4E;
    Image image;
    ImageError e = ImageError::None;
    EXPECT_FALSE(decodeImage(wide, image, &e));
    EXPECT_EQ(e, ImageError::TooLarge);
    const DecodeLimits small{100, 1000};
    EXPECT_FALSE(decodeImage(writeWbmp(makeIndexed(50, 50, 2)), image, &e, small));
    EXPECT_EQ(e, ImageError::TooLarge);
}

TEST(ImageDecoder, EveryCrasherFailsCleanly) {
    const char* root = std::getenv("QV_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    const auto folder = std::filesystem::path(root) / "tests" / "data" / "crashers";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README.md") {
            continue;
        }
        ++files;
        const Bytes bytes = readFile(entry.path());
        Image image;
        EXPECT_FALSE(decodeImage(bytes, image)) << entry.path().filename();
        ImportedPicture picture;
        Bytes jpeg;
        EXPECT_FALSE(preparePicture(bytes, picture, jpeg)) << entry.path().filename();
        EXPECT_FALSE(picture.decoded) << "no size message for " << entry.path().filename();
        EXPECT_TRUE(jpeg.empty());
    }
    EXPECT_GE(files, 9);
}

} // namespace
} // namespace qv::image::test
