// SPDX-License-Identifier: MIT
#include "content/art/ImageFile.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace qv::art {

namespace {

struct Pixel {
    std::uint8_t r, g, b, a;
};

// Reads one pixel of a premultiplied ARGB32 surface as straight RGBA.
Pixel pixelAt(const unsigned char* data, int stride, int x, int y) {
    std::uint32_t v = 0;
    std::memcpy(&v, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, sizeof v);
    const unsigned a = (v >> 24) & 0xFF;
    auto unpremultiply = [a](unsigned c) -> std::uint8_t {
        if (a == 0) {
            return 0;
        }
        const unsigned s = (c * 255 + a / 2) / a;
        return static_cast<std::uint8_t>(s > 255 ? 255 : s);
    };
    return {unpremultiply((v >> 16) & 0xFF), unpremultiply((v >> 8) & 0xFF),
            unpremultiply(v & 0xFF), static_cast<std::uint8_t>(a)};
}

bool usable(cairo_surface_t* surface) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        return false;
    }
    cairo_surface_flush(surface);
    return cairo_image_surface_get_data(surface) != nullptr;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

bool save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace

bool writeTga(cairo_surface_t* surface, const std::string& path) {
    if (!usable(surface)) {
        return false;
    }
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<std::uint8_t> out;
    out.reserve(18 + static_cast<std::size_t>(w) * h * 4);
    out.push_back(0); // no image id
    out.push_back(0); // no colour map
    out.push_back(2); // uncompressed true colour
    for (int i = 0; i < 5; ++i) {
        out.push_back(0); // colour map fields, unused
    }
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<unsigned>(w));
    put16(out, static_cast<unsigned>(h));
    out.push_back(32);
    out.push_back(0x28); // 8 alpha bits, top-left origin
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Pixel p = pixelAt(data, stride, x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    }
    return save(path, out);
}

bool writeBmp(cairo_surface_t* surface, const std::string& path) {
    if (!usable(surface)) {
        return false;
    }
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(h);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h)); // positive: rows bottom first
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            // Premultiplied values are already the image composited over black.
            std::uint32_t v = 0;
            std::memcpy(&v, data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, sizeof v);
            out.push_back(static_cast<std::uint8_t>(v & 0xFF));
            out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
            out.push_back(static_cast<std::uint8_t>((v >> 16) & 0xFF));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return save(path, out);
}

bool writePng(cairo_surface_t* surface, const std::string& path) {
    return usable(surface) &&
           cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace qv::art
