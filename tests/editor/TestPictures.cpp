// SPDX-License-Identifier: MIT
#include "tests/editor/TestPictures.h"

#include "editor/image/ImageDecoder.h"

#include <cstdlib>

namespace qv::test {
namespace {

void put16(std::string& out, int value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>((value >> 8) & 0xff);
}

void put32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xff);
    }
}

// Headers and palette, rows bottom-up, each padded to four bytes.
std::string bmpOf(int width, int height, int bits, const std::vector<Rgb>& palette,
                  const std::function<void(std::string&, int)>& row) {
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const auto pixelOffset = static_cast<std::uint32_t>(14 + 40 + 4 * palette.size());
    const auto size = pixelOffset + static_cast<std::uint32_t>(rowBytes * height);
    std::string out = "BM";
    put32(out, size);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(rowBytes * height));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, 0);
    for (const Rgb& c : palette) {
        out += {static_cast<char>(c[2]), static_cast<char>(c[1]), static_cast<char>(c[0]), 0};
    }
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        row(out, y);
        out.resize(start + static_cast<std::size_t>(rowBytes), '\0');
    }
    return out;
}

} // namespace

std::string bmp24(int width, int height, const std::function<Rgb(int, int)>& colour) {
    return bmpOf(width, height, 24, {}, [&](std::string& out, int y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            out += {static_cast<char>(c[2]), static_cast<char>(c[1]), static_cast<char>(c[0])};
        }
    });
}

std::string bmpIndexed(int width, int height, int bits, const std::vector<Rgb>& palette,
                       const std::function<int(int, int)>& index) {
    return bmpOf(width, height, bits, palette, [&](std::string& out, int y) {
        const int perByte = 8 / bits;
        for (int x = 0; x < width; x += perByte) {
            int byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const int value = x + i < width ? index(x + i, y) : 0;
                byte |= value << (8 - bits * (i + 1));
            }
            out += static_cast<char>(byte);
        }
    });
}

std::string flatBmp(int width, int height, Rgb colour) {
    return bmp24(width, height, [colour](int, int) { return colour; });
}

image::Image decodePicture(const std::filesystem::path& file) {
    image::Image picture;
    if (!image::decodeImageFile(file, picture)) {
        return {};
    }
    return picture;
}

bool near(const Rgb& a, const Rgb& b, int tolerance) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::abs(int{a[i]} - int{b[i]}) > tolerance) {
            return false;
        }
    }
    return true;
}

Rgb pixelOf(const image::Image& picture, std::uint32_t x, std::uint32_t y) {
    const std::uint8_t* p = picture.row(y) + std::size_t{x} * 3;
    return {p[0], p[1], p[2]};
}

} // namespace qv::test
