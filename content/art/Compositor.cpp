// SPDX-License-Identifier: MIT
#include "content/art/Compositor.h"

#include "content/art/ImageFile.h"
#include "content/art/Paint.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

namespace qv::art {

namespace {
struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// The image as a premultiplied cairo surface, multiplied by the colour.
SurfacePtr loadTinted(const std::string& path, int r, int g, int b, int a) {
    SdlSurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        return nullptr;
    }
    SdlSurfacePtr rgba(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0));
    if (!rgba) {
        return nullptr;
    }
    SurfacePtr out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, rgba->w, rgba->h));
    if (cairo_surface_status(out.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_surface_flush(out.get());
    unsigned char* data = cairo_image_surface_get_data(out.get());
    const int stride = cairo_image_surface_get_stride(out.get());
    for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) +
                          static_cast<std::ptrdiff_t>(y) * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) {
            const std::uint8_t* p = row + x * 4;
            const unsigned alpha = p[3] * static_cast<unsigned>(a) / 255;
            auto channel = [alpha](unsigned v, int tint) {
                return (v * static_cast<unsigned>(tint) / 255) * alpha / 255;
            };
            const std::uint32_t px =
                alpha << 24 | channel(p[0], r) << 16 | channel(p[1], g) << 8 | channel(p[2], b);
            std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &px, sizeof px);
        }
    }
    cairo_surface_mark_dirty(out.get());
    return out;
}
} // namespace

Compositor::Compositor(std::string resourcesDir, int width, int height)
    : dir_(std::move(resourcesDir)), canvas_(width, height) {
    cairo_set_source_rgb(canvas_.cr(), 0, 0, 0);
    cairo_paint(canvas_.cr());
}

bool Compositor::sprite(const std::string& name, double x, double y, int r, int g, int b, int a,
                        double scale, double angle) {
    const SurfacePtr image = loadTinted(dir_ + "/" + name, r, g, b, a);
    if (!image) {
        return false;
    }
    const int w = cairo_image_surface_get_width(image.get());
    const int h = cairo_image_surface_get_height(image.get());
    cairo_t* cr = canvas_.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, image.get(), -w * 0.5, -h * 0.5);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
    return true;
}

void Compositor::text(const std::string& line, double x, double y, double height, bool bold,
                      int alpha) {
    cairo_t* cr = canvas_.cr();
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    // A cell of `height` pixels holds ascent and descent together.
    cairo_set_font_size(cr, height);
    cairo_font_extents_t f;
    cairo_font_extents(cr, &f);
    cairo_set_font_size(cr, height * height / (f.ascent + f.descent));
    cairo_font_extents(cr, &f);
    cairo_move_to(cr, x, y - (f.ascent + f.descent) / 2 + f.ascent);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha / 255.0);
    cairo_show_text(cr, line.c_str());
}

void Compositor::rect(double x, double y, double w, double h, int r, int g, int b) {
    cairo_rectangle(canvas_.cr(), x, y, w, h);
    cairo_set_source_rgb(canvas_.cr(), r / 255.0, g / 255.0, b / 255.0);
    cairo_fill(canvas_.cr());
}

bool Compositor::save(const std::string& path) const {
    return writePng(canvas_.surface(), path);
}

} // namespace qv::art
