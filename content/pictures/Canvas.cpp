// SPDX-License-Identifier: MIT
#include "content/pictures/Canvas.h"

#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace qv::pictures {

void setColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

Canvas::Canvas()
    : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      context(cairo_create(surface.get())) {
    cairo_set_antialias(context.get(), CAIRO_ANTIALIAS_BEST);
}

bool Canvas::valid() const {
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_status(context.get()) == CAIRO_STATUS_SUCCESS;
}

void Canvas::paintStage() {
    cairo_t* c = cr();
    cairo_save(c);
    cairo_pattern_t* glow = cairo_pattern_create_radial(width / 2.0, height * 0.45, 20, width / 2.0,
                                                        height / 2.0, width * 0.62);
    cairo_pattern_add_color_stop_rgb(glow, 0.0, 0.16, 0.42, 0.45);
    cairo_pattern_add_color_stop_rgb(glow, 1.0, 0.05, 0.17, 0.21);
    cairo_set_source(c, glow);
    cairo_paint(c);
    cairo_pattern_destroy(glow);

    // Faint diagonal pinstripes give the flat colour a little texture.
    cairo_set_line_width(c, 1.0);
    cairo_set_source_rgba(c, 1, 1, 1, 0.035);
    for (int x = -height; x < width; x += 14) {
        cairo_move_to(c, x, height);
        cairo_line_to(c, x + height, 0);
    }
    cairo_stroke(c);
    cairo_restore(c);
}

void Canvas::paintNight() {
    cairo_t* c = cr();
    cairo_save(c);
    cairo_pattern_t* glow = cairo_pattern_create_radial(width / 2.0, height / 2.0, 10, width / 2.0,
                                                        height / 2.0, width * 0.6);
    cairo_pattern_add_color_stop_rgb(glow, 0.0, 0.05, 0.07, 0.10);
    cairo_pattern_add_color_stop_rgb(glow, 1.0, 0.01, 0.02, 0.03);
    cairo_set_source(c, glow);
    cairo_paint(c);
    cairo_pattern_destroy(glow);
    cairo_restore(c);
}

unsigned Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    cairo_surface_flush(surface.get());
    const unsigned char* pixels = cairo_image_surface_get_data(surface.get());
    if (pixels == nullptr) {
        return 0;
    }
    std::uint32_t p = 0;
    std::memcpy(&p,
                pixels +
                    static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get())) *
                        static_cast<std::size_t>(y) +
                    static_cast<std::size_t>(x) * 4,
                sizeof p);
    return p & 0xFFFFFF;
}

bool Canvas::writeJpeg(const std::string& path) const {
    cairo_surface_flush(surface.get());
    const unsigned char* pixels = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    if (pixels == nullptr) {
        return false;
    }

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }

    // A libjpeg failure here ends the process with its own message, which is
    // the right outcome for a build step: the build stops and says why.
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);

    // RGB24 keeps each pixel in a native-endian 32-bit word as 0x00RRGGBB.
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        const unsigned char* source =
            pixels + static_cast<std::size_t>(stride) * info.next_scanline;
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = 0;
            std::memcpy(&p, source + static_cast<std::size_t>(x) * 4, sizeof p);
            row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<JSAMPLE>((p >> 16) & 0xFF);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>((p >> 8) & 0xFF);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(p & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace qv::pictures
