// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "game/engine/ImageProbe.h"
#include "game/engine/Sprite.h"

#include <SDL_image.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <vector>

namespace qv::test {
namespace {

class ImageFiles : public EngineFixture {
protected:
    std::string writeBytes(const std::string& name, const std::vector<unsigned char>& bytes) {
        const std::string path = (folder_ / name).string();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static std::vector<unsigned char> tgaHeader(int type, int width, int height) {
        return {0,
                0,
                static_cast<unsigned char>(type),
                0,
                0,
                0,
                0,
                0,
                0,
                0,
                0,
                0,
                static_cast<unsigned char>(width & 0xFF),
                static_cast<unsigned char>(width >> 8),
                static_cast<unsigned char>(height & 0xFF),
                static_cast<unsigned char>(height >> 8),
                32,
                8};
    }
    SDL_Surface* solid(int width, int height) {
        SDL_Surface* s =
            SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, 10, 200, 30, 255));
        return s;
    }
};

TEST_F(ImageFiles, TheFourFormatsLoadWithTheirSizes) {
    std::vector<unsigned char> tga = tgaHeader(2, 3, 2);
    for (int i = 0; i < 6; ++i) {
        tga.insert(tga.end(), {0, 0, 255, 255});
    }
    const std::string tgaPath = writeBytes("a.tga", tga);
    SDL_Surface* s = solid(17, 9);
    const std::string png = (folder_ / "b.png").string();
    const std::string jpg = (folder_ / "c.jpg").string();
    ASSERT_EQ(IMG_SavePNG(s, png.c_str()), 0);
    // Chunks before the pixel data are walked, not refused: a text chunk
    // that fits in the file is fine.
    {
        std::ifstream in(png, std::ios::binary);
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        const std::vector<unsigned char> text = {0, 0, 0, 4, 't', 'E', 'X', 't', 'a', 0,
                                                 'b', 'c', 0, 0, 0, 0};
        bytes.insert(bytes.begin() + 33, text.begin(), text.end());
        std::ofstream(png, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    ASSERT_EQ(IMG_SaveJPG(s, jpg.c_str(), 90), 0);
    SDL_FreeSurface(s);
    const std::string bmp = writeSolid("d.bmp", 5, 4, {1, 2, 3, 255});

    struct Case {
        std::string path;
        ImageFormat format;
        int width, height;
    };
    for (const Case& c : {Case{tgaPath, ImageFormat::Tga, 3, 2}, Case{png, ImageFormat::Png, 17, 9},
                          Case{jpg, ImageFormat::Jpeg, 17, 9}, Case{bmp, ImageFormat::Bmp, 5, 4}}) {
        ImageInfo info;
        ASSERT_TRUE(probeImage(c.path, info)) << c.path;
        EXPECT_EQ(info.format, c.format);
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        Sprite sprite;
        EXPECT_TRUE(sprite.load(layer_->textures(), c.path)) << c.path;
        EXPECT_EQ(sprite.sourceRect, (SourceRect{0, 0, c.width - 1, c.height - 1}));
    }
}

TEST_F(ImageFiles, HostileFilesFailQuicklyAndLeaveAnEmptySprite) {
    // Made whole rather than grown by resize, which GCC 12 at -O3 misreads
    // as a copy past the end (-Warray-bounds).
    const auto padded = [](const std::vector<unsigned char>& header) {
        std::vector<unsigned char> bytes(header.size() + 1000, 0x7F);
        std::copy(header.begin(), header.end(), bytes.begin());
        return bytes;
    };
    const std::vector<unsigned char> truncated = padded(tgaHeader(2, 4000, 4000));
    const std::vector<unsigned char> truncatedRle = padded(tgaHeader(10, 4000, 4000));
    const std::vector<std::string> files = {
        writeBytes("huge.tga", tgaHeader(2, 65535, 65535)),
        writeBytes("short.tga", truncated),
        writeBytes("shortrle.tga", truncatedRle),
        writeBytes("empty.png", {}),
        writeBytes("text.png", std::vector<unsigned char>(40, 'x')),
        writeBytes("header.png",
                   {0x89, 'P', 'N',  'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                    0,    0,   0x40, 0,   0,    0,    0x40, 0,    8, 6, 0, 0,  0,   0,   0,   0}),
        // A text chunk that claims 2 GB, and pixel data that never comes.
        writeBytes("claims.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                  'I',  'H', 'D', 'R', 0,    0,    0,    7,    0, 0, 0, 5,
                                  8,    2,   0,   0,   0,    0,    0,    0,    0x7D, 1, 4, 0xC9,
                                  't',  'E', 'X', 't', 'd',  'a',  't',  'e'}),
        writeBytes("segments.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x02, 0xFF, 0xE1, 0xFF, 0xFF,
                                    0,    0,    0,    0,    0,    0,    0,    0,    0,    0}),
        writeBytes("wide.bmp", {'B', 'M', 0, 0,    0,    0,    0,    0, 0, 0, 54, 0, 0, 0,  40,
                                0,   0,   0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0,  1, 0, 32, 0}),
    };
    // Refused by its header alone, before the decoder could allocate 2 GB.
    ImageInfo info;
    EXPECT_FALSE(probeImage((folder_ / "claims.png").string(), info));
    const auto began = std::chrono::steady_clock::now();
    for (const std::string& file : files) {
        Sprite s;
        EXPECT_FALSE(s.load(layer_->textures(), file)) << file;
        EXPECT_FALSE(s.texture());
        EXPECT_EQ(s.sourceRect, (SourceRect{0, 0, -1, -1}));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(2));
}

} // namespace
} // namespace qv::test
