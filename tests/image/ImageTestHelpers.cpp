// SPDX-License-Identifier: MIT
#include "tests/image/ImageTestHelpers.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>
#include <unistd.h>

namespace qv::image::test {
namespace {

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// File header and a 40-byte info header; `extra` bytes (masks, palette)
// follow before the pixels.
Bytes bmpHeaders(std::uint32_t width, std::int32_t height, int bpp, std::uint32_t compression,
                 std::uint32_t extra, std::uint32_t pixelBytes, std::uint32_t colours) {
    Bytes b{'B', 'M'};
    put32(b, 14 + 40 + extra + pixelBytes);
    put32(b, 0);
    put32(b, 14 + 40 + extra);
    put32(b, 40);
    put32(b, width);
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<unsigned>(bpp));
    put32(b, compression);
    put32(b, pixelBytes);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
    return b;
}

std::uint32_t bmpStride(std::uint32_t width, int bpp) {
    return (width * static_cast<std::uint32_t>(bpp) + 31) / 32 * 4;
}

void putPalette(Bytes& b, const std::vector<Rgb>& palette, bool four = true) {
    for (const Rgb& c : palette) {
        b.push_back(c.b);
        b.push_back(c.g);
        b.push_back(c.r);
        if (four) {
            b.push_back(0);
        }
    }
}

void putIndices(Bytes& b, const Indexed& p, int bpp, bool topDown) {
    const std::uint32_t stride = bmpStride(p.width, bpp);
    for (std::uint32_t r = 0; r < p.height; ++r) {
        const std::uint32_t y = topDown ? r : p.height - 1 - r;
        Bytes row(stride, 0);
        for (std::uint32_t x = 0; x < p.width; ++x) {
            const unsigned bit = x * static_cast<unsigned>(bpp);
            row[bit / 8] = static_cast<std::uint8_t>(
                row[bit / 8] |
                (p.indices[y * p.width + x] << (8 - bpp - static_cast<int>(bit % 8))));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

} // namespace

Indexed makeIndexed(std::uint32_t width, std::uint32_t height, unsigned colours) {
    Indexed p;
    p.width = width;
    p.height = height;
    for (unsigned i = 0; i < colours; ++i) {
        p.palette.push_back({static_cast<std::uint8_t>(i * 53 + 7),
                             static_cast<std::uint8_t>(i * 97 + 3),
                             static_cast<std::uint8_t>(255 - i)});
    }
    if (colours == 2) {
        p.palette = {{0, 0, 0}, {255, 255, 255}};
    }
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            p.indices.push_back(static_cast<std::uint8_t>((x * 3 + y * 5 + x * y) % colours));
        }
    }
    return p;
}

Image makeRgb(std::uint32_t width, std::uint32_t height, bool alpha) {
    Image image;
    allocateImage(image, width, height, alpha ? PixelFormat::Rgba8 : PixelFormat::Rgb8, {});
    image.bitsPerPixel = alpha ? 32 : 24;
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        for (std::uint32_t x = 0; x < width; ++x, p += image.channels()) {
            p[0] = static_cast<std::uint8_t>(x * 17 + y * 3);
            p[1] = static_cast<std::uint8_t>(x * 5 + y * 29 + 40);
            p[2] = static_cast<std::uint8_t>(x * y * 7 + 9);
            if (alpha) {
                p[3] = static_cast<std::uint8_t>((x + y) * 16 + 1);
            }
        }
    }
    return image;
}

Image expand(const Indexed& picture) {
    Image image;
    allocateImage(image, picture.width, picture.height, PixelFormat::Rgb8, {});
    for (std::size_t i = 0; i < picture.indices.size(); ++i) {
        const Rgb c = picture.palette[picture.indices[i]];
        image.pixels[i * 3] = c.r;
        image.pixels[i * 3 + 1] = c.g;
        image.pixels[i * 3 + 2] = c.b;
    }
    return image;
}

std::array<std::uint8_t, 4> pixelAt(const Image& image, std::uint32_t x, std::uint32_t y) {
    const std::uint8_t* p = image.row(y) + std::size_t{x} * static_cast<unsigned>(image.channels());
    return {p[0], p[1], p[2], image.channels() == 4 ? p[3] : std::uint8_t{255}};
}

std::string firstDifference(const Image& a, const Image& b, int tolerance) {
    std::ostringstream s;
    if (a.width != b.width || a.height != b.height) {
        s << "size " << a.width << "x" << a.height << " vs " << b.width << "x" << b.height;
        return s.str();
    }
    const int channels = (a.channels() == 4 && b.channels() == 4) ? 4 : 3;
    for (std::uint32_t y = 0; y < a.height; ++y) {
        for (std::uint32_t x = 0; x < a.width; ++x) {
            const auto p = pixelAt(a, x, y);
            const auto q = pixelAt(b, x, y);
            for (int c = 0; c < channels; ++c) {
                if (std::abs(p[static_cast<std::size_t>(c)] - q[static_cast<std::size_t>(c)]) >
                    tolerance) {
                    s << "pixel " << x << "," << y << " channel " << c << ": "
                      << int{p[static_cast<std::size_t>(c)]} << " vs "
                      << int{q[static_cast<std::size_t>(c)]};
                    return s.str();
                }
            }
        }
    }
    return {};
}

Bytes writeBmpIndexed(const Indexed& picture, int bpp, bool topDown) {
    const std::uint32_t stride = bmpStride(picture.width, bpp);
    const auto colours = static_cast<std::uint32_t>(picture.palette.size());
    Bytes b = bmpHeaders(picture.width,
                         topDown ? -static_cast<std::int32_t>(picture.height)
                                 : static_cast<std::int32_t>(picture.height),
                         bpp, 0, colours * 4, stride * picture.height, colours);
    putPalette(b, picture.palette);
    putIndices(b, picture, bpp, topDown);
    return b;
}

Bytes writeBmpRgb(const Image& image, int bpp, bool topDown) {
    const std::uint32_t stride = bmpStride(image.width, bpp);
    Bytes b = bmpHeaders(image.width,
                         topDown ? -static_cast<std::int32_t>(image.height)
                                 : static_cast<std::int32_t>(image.height),
                         bpp, 0, 0, stride * image.height, 0);
    for (std::uint32_t r = 0; r < image.height; ++r) {
        const std::uint32_t y = topDown ? r : image.height - 1 - r;
        Bytes row;
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const auto p = pixelAt(image, x, y);
            if (bpp == 16) {
                put16(row, static_cast<unsigned>(((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) |
                                                 (p[2] >> 3)));
            } else {
                row.push_back(p[2]);
                row.push_back(p[1]);
                row.push_back(p[0]);
                if (bpp == 32) {
                    row.push_back(0x5A); // padding that must not become alpha
                }
            }
        }
        row.resize(stride, 0);
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes writeBmpBitFields(const Image& image, int bpp, std::array<std::uint32_t, 4> masks) {
    const std::uint32_t stride = bmpStride(image.width, bpp);
    const bool v5 = masks[3] != 0;
    Bytes b{'B', 'M'};
    const std::uint32_t headerSize = v5 ? 124 : 40;
    const std::uint32_t offset = 14 + headerSize + (v5 ? 0 : 12);
    put32(b, offset + stride * image.height);
    put32(b, 0);
    put32(b, offset);
    put32(b, headerSize);
    put32(b, image.width);
    put32(b, image.height);
    put16(b, 1);
    put16(b, static_cast<unsigned>(bpp));
    put32(b, 3);
    put32(b, stride * image.height);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    for (int i = 0; i < (v5 ? 4 : 3); ++i) {
        put32(b, masks[static_cast<std::size_t>(i)]);
    }
    b.resize(offset, 0);
    for (std::uint32_t r = 0; r < image.height; ++r) {
        const std::uint32_t y = image.height - 1 - r;
        Bytes row;
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const auto p = pixelAt(image, x, y);
            std::uint32_t v = 0;
            for (std::size_t c = 0; c < 4; ++c) {
                const std::uint32_t m = masks[c];
                if (m == 0) {
                    continue;
                }
                const int shift = __builtin_ctz(m);
                const int bits = __builtin_popcount(m);
                v |= (static_cast<std::uint32_t>(p[c]) >> (8 - std::min(bits, 8))) << shift;
            }
            put16(row, v & 0xFFFF);
            if (bpp == 32) {
                put16(row, v >> 16);
            }
        }
        row.resize(stride, 0);
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes writeBmpRle(std::uint32_t width, std::int32_t height, int bpp,
                  const std::vector<Rgb>& palette, const Bytes& body) {
    const auto colours = static_cast<std::uint32_t>(palette.size());
    Bytes b = bmpHeaders(width, height, bpp, bpp == 8 ? 1 : 2, colours * 4,
                         static_cast<std::uint32_t>(body.size()), colours);
    putPalette(b, palette);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes writeIco(const std::vector<IconEntry>& entries) {
    Bytes b;
    put16(b, 0);
    put16(b, 1);
    put16(b, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& e : entries) {
        b.push_back(static_cast<std::uint8_t>(e.width >= 256 ? 0 : e.width));
        b.push_back(static_cast<std::uint8_t>(e.height >= 256 ? 0 : e.height));
        b.push_back(0);
        b.push_back(0);
        put16(b, 1);
        put16(b, static_cast<unsigned>(e.bpp));
        put32(b, static_cast<std::uint32_t>(e.data.size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const IconEntry& e : entries) {
        b.insert(b.end(), e.data.begin(), e.data.end());
    }
    return b;
}

Bytes writeIconDib32(const Image& rgba) {
    Bytes b;
    put32(b, 40);
    put32(b, rgba.width);
    put32(b, rgba.height * 2);
    put16(b, 1);
    put16(b, 32);
    for (int i = 0; i < 6; ++i) {
        put32(b, 0);
    }
    for (std::uint32_t r = 0; r < rgba.height; ++r) {
        for (std::uint32_t x = 0; x < rgba.width; ++x) {
            const auto p = pixelAt(rgba, x, rgba.height - 1 - r);
            b.insert(b.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    b.resize(b.size() + bmpStride(rgba.width, 1) * rgba.height, 0);
    return b;
}

Bytes writeIconDib8(const Indexed& picture, int clearIndex) {
    Bytes b;
    put32(b, 40);
    put32(b, picture.width);
    put32(b, picture.height * 2);
    put16(b, 1);
    put16(b, 8);
    for (int i = 0; i < 6; ++i) {
        put32(b, 0);
    }
    std::vector<Rgb> palette = picture.palette;
    palette.resize(256);
    putPalette(b, palette);
    putIndices(b, picture, 8, false);
    const std::uint32_t maskStride = bmpStride(picture.width, 1);
    for (std::uint32_t r = 0; r < picture.height; ++r) {
        const std::uint32_t y = picture.height - 1 - r;
        Bytes row(maskStride, 0);
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            if (picture.indices[y * picture.width + x] == clearIndex) {
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes writeWbmp(const Indexed& twoColour) {
    Bytes b{0, 0};
    auto varint = [&b](std::uint32_t v) {
        Bytes groups;
        do {
            groups.insert(groups.begin(), static_cast<std::uint8_t>(v & 0x7F));
            v >>= 7;
        } while (v != 0);
        for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
            groups[i] |= 0x80;
        }
        b.insert(b.end(), groups.begin(), groups.end());
    };
    varint(twoColour.width);
    varint(twoColour.height);
    const std::uint32_t stride = (twoColour.width + 7) / 8;
    for (std::uint32_t y = 0; y < twoColour.height; ++y) {
        Bytes row(stride, 0);
        for (std::uint32_t x = 0; x < twoColour.width; ++x) {
            if (twoColour.indices[y * twoColour.width + x] != 0) {
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path makeTempFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("qv-image-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace qv::image::test
