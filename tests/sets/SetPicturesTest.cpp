// SPDX-License-Identifier: MIT
// Every question of the Pictures set that says it has a picture must find
// one the game can show: a whole JPEG of 24-bit colour within 680 x 275.

#include "tests/sets/ShippedSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct JpegFacts {
    bool decoded = false;
    int width = 0;
    int height = 0;
    int components = 0;
};

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leaveOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Decodes the whole file so that a cut or corrupt picture is caught too.
// Nothing with a destructor lives between setjmp and a possible longjmp.
JpegFacts decodeJpeg(std::FILE* file) {
    JpegFacts facts;
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnError;
    trap.manager.output_message = [](j_common_ptr) {};
    std::vector<JSAMPLE> row;
    if (setjmp(trap.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return JpegFacts{};
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    facts.width = static_cast<int>(info.output_width);
    facts.height = static_cast<int>(info.output_height);
    facts.components = info.num_components;
    row.resize(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    // A file cut inside the image data only warns and pads with grey.
    facts.decoded = trap.manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return facts;
}

TEST(PicturesSet, EveryFlaggedQuestionHasAShowablePicture) {
    const qv::test::ShippedSet set = qv::test::loadShippedSet("Pictures");
    ASSERT_FALSE(set.contents.records.empty());
    int pictures = 0;
    for (std::size_t i = 0; i < set.contents.records.size(); ++i) {
        if (set.contents.records[i].pictureFlag == 0) {
            continue;
        }
        ++pictures;
        const std::string path =
            qv::test::builtSetFolder("Pictures") + "/" + qv::pictureFileName(static_cast<int>(i));
        SCOPED_TRACE(path);
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
        ASSERT_TRUE(file) << "missing picture";
        const JpegFacts facts = decodeJpeg(file.get());
        ASSERT_TRUE(facts.decoded);
        EXPECT_EQ(facts.components, 3);
        EXPECT_GT(facts.width, 0);
        EXPECT_GT(facts.height, 0);
        EXPECT_LE(facts.width, 680);
        EXPECT_LE(facts.height, 275);
    }
    EXPECT_GE(pictures, 20);
}

TEST(PicturesSet, PictureQuestionsAreSpreadOverTheLadder) {
    const qv::test::ShippedSet set = qv::test::loadShippedSet("Pictures");
    int low = 0;
    int high = 0;
    for (const qv::SetFileRecord& q : set.contents.records) {
        if (q.pictureFlag != 0) {
            (q.value <= 7 ? low : high) += 1;
        }
    }
    EXPECT_GE(low, 5);
    EXPECT_GE(high, 5);
}

TEST(PicturesSet, AtMostOnePictureQuestionInSixIsAboutAFlag) {
    // Flags are one kind among many: clocks, signs, maps, shapes, the sky.
    const qv::test::ShippedSet set = qv::test::loadShippedSet("Pictures");
    int pictures = 0;
    int flags = 0;
    for (const qv::SetFileRecord& q : set.contents.records) {
        if (q.pictureFlag == 0) {
            continue;
        }
        ++pictures;
        std::string text = q.text;
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (text.find("flag") != std::string::npos || text.find("tricolour") != std::string::npos) {
            ++flags;
        }
    }
    ASSERT_GT(pictures, 0);
    EXPECT_LE(flags * 6, pictures) << flags << " flags among " << pictures << " pictures";
}

TEST(PicturesSet, APictureCutShortIsNotTakenForAGoodOne) {
    // Guards the checker itself: a JPEG that ends inside its header or
    // inside its image data must not pass.
    const std::string path = qv::test::builtSetFolder("Pictures") + "/" + qv::pictureFileName(0);
    std::unique_ptr<std::FILE, FileCloser> whole(std::fopen(path.c_str(), "rb"));
    ASSERT_TRUE(whole);
    std::vector<unsigned char> bytes(1 << 20);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), whole.get()));
    ASSERT_GT(bytes.size(), 2000u);
    for (const std::size_t keep : {std::size_t{300}, bytes.size() / 2}) {
        std::unique_ptr<std::FILE, FileCloser> cut(std::tmpfile());
        ASSERT_TRUE(cut);
        ASSERT_EQ(std::fwrite(bytes.data(), 1, keep, cut.get()), keep);
        std::rewind(cut.get());
        EXPECT_FALSE(decodeJpeg(cut.get()).decoded) << "kept " << keep << " bytes";
    }
}

} // namespace
