// SPDX-License-Identifier: MIT
// Writers for the GIF, TGA and PCX variants the readers must handle.
#include "tests/image/ImageTestHelpers.h"

#include <algorithm>
#include <functional>
#include <map>

namespace qv::image::test {
namespace {

void put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
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

struct BitWriter {
    Bytes bytes;
    std::uint32_t buffer = 0;
    int count = 0;
    void put(unsigned code, int bits) {
        buffer |= code << count;
        count += bits;
        while (count >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(buffer));
            buffer >>= 8;
            count -= 8;
        }
    }
    void flush() {
        if (count > 0) {
            bytes.push_back(static_cast<std::uint8_t>(buffer));
        }
        buffer = 0;
        count = 0;
    }
};

// A real LZW encoder, so that the decoder meets long strings, the code for
// the string being defined, width changes and a full table.
Bytes lzwEncode(const std::vector<std::uint8_t>& indices, int minCode) {
    const unsigned clear = 1u << minCode;
    BitWriter out;
    std::map<std::pair<unsigned, unsigned>, unsigned> table;
    unsigned next = clear + 2;
    auto width = [&](unsigned n) {
        int s = minCode + 1;
        while (s < 12 && n >= (1u << s)) {
            ++s;
        }
        return s;
    };
    out.put(clear, minCode + 1);
    if (indices.empty()) {
        out.put(clear + 1, minCode + 1);
        out.flush();
        return out.bytes;
    }
    unsigned w = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const unsigned k = indices[i];
        const auto it = table.find({w, k});
        if (it != table.end()) {
            w = it->second;
            continue;
        }
        out.put(w, width(next - 1));
        if (next < 4096) {
            table[{w, k}] = next++;
        } else {
            out.put(clear, 12);
            table.clear();
            next = clear + 2;
        }
        w = k;
    }
    out.put(w, width(next - 1));
    out.put(clear + 1, width(next));
    out.flush();
    return out.bytes;
}

void putTgaPixel(Bytes& b, const Image& image, std::uint32_t x, std::uint32_t y, int depth) {
    const auto p = pixelAt(image, x, y);
    if (depth == 16) {
        put16(b, static_cast<unsigned>(((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3)));
    } else if (depth == 8) {
        b.push_back(p[0]);
    } else {
        b.push_back(p[2]);
        b.push_back(p[1]);
        b.push_back(p[0]);
        if (depth == 32) {
            b.push_back(p[3]);
        }
    }
}

// Writes the pixels in the order `descriptor` names, plain or as packets.
Bytes tgaBody(std::uint32_t w, std::uint32_t h, unsigned descriptor, bool rle, int pixelBytes,
              const std::function<void(Bytes&, std::uint32_t, std::uint32_t)>& put) {
    std::vector<Bytes> pixels;
    for (std::uint32_t sy = 0; sy < h; ++sy) {
        for (std::uint32_t sx = 0; sx < w; ++sx) {
            const std::uint32_t x = (descriptor & 0x10) ? w - 1 - sx : sx;
            const std::uint32_t y = (descriptor & 0x20) ? sy : h - 1 - sy;
            Bytes p;
            put(p, x, y);
            pixels.push_back(p);
        }
    }
    Bytes b;
    if (!rle) {
        for (const Bytes& p : pixels) {
            b.insert(b.end(), p.begin(), p.end());
        }
        return b;
    }
    std::size_t i = 0;
    while (i < pixels.size()) {
        std::size_t run = 1;
        while (i + run < pixels.size() && run < 128 && pixels[i + run] == pixels[i]) {
            ++run;
        }
        if (run > 1) {
            b.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            b.insert(b.end(), pixels[i].begin(), pixels[i].end());
            i += run;
            continue;
        }
        std::size_t raw = 1;
        while (i + raw < pixels.size() && raw < 128 &&
               !(i + raw + 1 < pixels.size() && pixels[i + raw] == pixels[i + raw + 1])) {
            ++raw;
        }
        b.push_back(static_cast<std::uint8_t>(raw - 1));
        for (std::size_t k = 0; k < raw; ++k) {
            b.insert(b.end(), pixels[i + k].begin(), pixels[i + k].end());
        }
        i += raw;
    }
    (void)pixelBytes;
    return b;
}

Bytes tgaHeader(unsigned type, unsigned mapType, unsigned mapLength, unsigned mapDepth,
                std::uint32_t w, std::uint32_t h, unsigned depth, unsigned descriptor) {
    Bytes b{0, static_cast<std::uint8_t>(mapType), static_cast<std::uint8_t>(type)};
    put16(b, 0);
    put16(b, mapLength);
    b.push_back(static_cast<std::uint8_t>(mapDepth));
    put16(b, 0);
    put16(b, 0);
    put16(b, w);
    put16(b, h);
    b.push_back(static_cast<std::uint8_t>(depth));
    b.push_back(static_cast<std::uint8_t>(descriptor));
    return b;
}

void pcxEncodeLine(Bytes& out, const Bytes& line) {
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == line[i]) {
            ++run;
        }
        if (run > 1 || (line[i] & 0xC0) == 0xC0) {
            out.push_back(static_cast<std::uint8_t>(0xC0 | run));
        }
        out.push_back(line[i]);
        i += run;
    }
}

Bytes pcxHeader(std::uint32_t w, std::uint32_t h, int bits, int planes, unsigned bytesPerLine,
                const std::vector<Rgb>& ega) {
    Bytes b{0x0A, 5, 1, static_cast<std::uint8_t>(bits)};
    put16(b, 0);
    put16(b, 0);
    put16(b, w - 1);
    put16(b, h - 1);
    put16(b, 72);
    put16(b, 72);
    for (std::size_t i = 0; i < 16; ++i) {
        const Rgb c = i < ega.size() ? ega[i] : Rgb{};
        b.push_back(c.r);
        b.push_back(c.g);
        b.push_back(c.b);
    }
    b.push_back(0);
    b.push_back(static_cast<std::uint8_t>(planes));
    put16(b, bytesPerLine);
    put16(b, 1);
    b.resize(128, 0);
    return b;
}

} // namespace

Bytes writeGif(const Indexed& picture, const GifOptions& o) {
    int bits = 1;
    while ((1u << bits) < picture.palette.size()) {
        ++bits;
    }
    const std::uint32_t sw = o.screenWidth ? o.screenWidth : picture.width;
    const std::uint32_t sh = o.screenHeight ? o.screenHeight : picture.height;
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    put16(b, sw);
    put16(b, sh);
    auto table = [&](Bytes& out) {
        for (unsigned i = 0; i < (1u << bits); ++i) {
            const Rgb c = i < picture.palette.size() ? picture.palette[i] : Rgb{};
            out.push_back(c.r);
            out.push_back(c.g);
            out.push_back(c.b);
        }
    };
    b.push_back(static_cast<std::uint8_t>(o.localTable ? 0 : (0x80 | (bits - 1))));
    b.push_back(0);
    b.push_back(0);
    if (!o.localTable) {
        table(b);
    }
    // An application extension first: readers must skip what they do not know.
    b.insert(b.end(), {0x21, 0xFF, 3, 'a', 'b', 'c', 2, 1, 2, 0});
    if (o.transparent >= 0) {
        b.insert(b.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<std::uint8_t>(o.transparent), 0});
    }
    b.push_back(0x2C);
    put16(b, o.left);
    put16(b, o.top);
    put16(b, picture.width);
    put16(b, picture.height);
    b.push_back(static_cast<std::uint8_t>((o.interlaced ? 0x40 : 0) |
                                          (o.localTable ? (0x80 | (bits - 1)) : 0)));
    if (o.localTable) {
        table(b);
    }
    std::vector<std::uint8_t> stored;
    if (o.interlaced) {
        const std::uint32_t starts[4] = {0, 4, 2, 1};
        const std::uint32_t steps[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            for (std::uint32_t y = starts[pass]; y < picture.height; y += steps[pass]) {
                stored.insert(stored.end(), picture.indices.begin() + y * picture.width,
                              picture.indices.begin() + (y + 1) * picture.width);
            }
        }
    } else {
        stored = picture.indices;
    }
    const int minCode = bits < 2 ? 2 : bits;
    b.push_back(static_cast<std::uint8_t>(minCode));
    const Bytes lzw = lzwEncode(stored, minCode);
    for (std::size_t i = 0; i < lzw.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, lzw.size() - i);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), lzw.begin() + static_cast<std::ptrdiff_t>(i),
                 lzw.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    b.push_back(0);
    b.push_back(0x3B);
    return b;
}

Bytes writeTgaMapped(const Indexed& picture, bool rle, unsigned descriptor) {
    Bytes b = tgaHeader(rle ? 9 : 1, 1, static_cast<unsigned>(picture.palette.size()), 24,
                        picture.width, picture.height, 8, descriptor);
    putPalette(b, picture.palette, false);
    const Bytes body = tgaBody(picture.width, picture.height, descriptor, rle, 1,
                               [&](Bytes& p, std::uint32_t x, std::uint32_t y) {
                                   p.push_back(picture.indices[y * picture.width + x]);
                               });
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes writeTgaTrue(const Image& image, int depth, bool rle, unsigned descriptor) {
    Bytes b = tgaHeader(rle ? 10 : 2, 0, 0, 0, image.width, image.height,
                        static_cast<unsigned>(depth), descriptor | (depth == 32 ? 8 : 0));
    const Bytes body = tgaBody(
        image.width, image.height, descriptor, rle, depth / 8,
        [&](Bytes& p, std::uint32_t x, std::uint32_t y) { putTgaPixel(p, image, x, y, depth); });
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes writeTgaGrey(const Image& image, bool rle, unsigned descriptor) {
    Bytes b = tgaHeader(rle ? 11 : 3, 0, 0, 0, image.width, image.height, 8, descriptor);
    const Bytes body = tgaBody(
        image.width, image.height, descriptor, rle, 1,
        [&](Bytes& p, std::uint32_t x, std::uint32_t y) { putTgaPixel(p, image, x, y, 8); });
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes writePcxIndexed(const Indexed& picture, int bits, int planes) {
    unsigned bytesPerLine = (picture.width * static_cast<unsigned>(bits) + 7) / 8;
    bytesPerLine += bytesPerLine & 1;
    Bytes b = pcxHeader(picture.width, picture.height, bits, planes, bytesPerLine, picture.palette);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        Bytes line;
        for (int p = 0; p < planes; ++p) {
            Bytes plane(bytesPerLine, 0);
            for (std::uint32_t x = 0; x < picture.width; ++x) {
                const unsigned value =
                    (picture.indices[y * picture.width + x] >> (p * bits)) & ((1u << bits) - 1);
                const unsigned bit = x * static_cast<unsigned>(bits);
                plane[bit / 8] = static_cast<std::uint8_t>(
                    plane[bit / 8] | (value << (8 - bits - static_cast<int>(bit % 8))));
            }
            line.insert(line.end(), plane.begin(), plane.end());
        }
        pcxEncodeLine(b, line);
    }
    if (bits * planes == 8) {
        b.push_back(0x0C);
        for (std::size_t i = 0; i < 256; ++i) {
            const Rgb c = i < picture.palette.size() ? picture.palette[i] : Rgb{};
            b.push_back(c.r);
            b.push_back(c.g);
            b.push_back(c.b);
        }
    }
    return b;
}

Bytes writePcxRgb(const Image& image) {
    unsigned bytesPerLine = image.width + (image.width & 1);
    Bytes b = pcxHeader(image.width, image.height, 8, 3, bytesPerLine, {});
    for (std::uint32_t y = 0; y < image.height; ++y) {
        Bytes line;
        for (int c = 0; c < 3; ++c) {
            Bytes plane(bytesPerLine, 0);
            for (std::uint32_t x = 0; x < image.width; ++x) {
                plane[x] = pixelAt(image, x, y)[static_cast<std::size_t>(c)];
            }
            line.insert(line.end(), plane.begin(), plane.end());
        }
        pcxEncodeLine(b, line);
    }
    return b;
}

} // namespace qv::image::test
