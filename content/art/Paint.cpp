// SPDX-License-Identifier: MIT
#include "content/art/Paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace qv::art {

namespace {

constexpr double pi = 3.14159265358979323846;

// One running-sum box pass over `count` pixels spaced `stride` apart; pixels
// outside the image count as transparent, so shapes near an edge fade out
// rather than smear.
void boxPass(std::uint32_t* data, int count, int stride, int half, std::vector<int>& sums) {
    const int window = 2 * half + 1;
    std::vector<std::uint32_t> line(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        line[static_cast<std::size_t>(i)] = data[static_cast<std::ptrdiff_t>(i) * stride];
    }
    sums.assign(4, 0);
    auto channel = [](std::uint32_t p, int k) { return static_cast<int>((p >> (8 * k)) & 0xFF); };
    for (int i = 0; i <= half && i < count; ++i) {
        for (int k = 0; k < 4; ++k) {
            sums[static_cast<std::size_t>(k)] += channel(line[static_cast<std::size_t>(i)], k);
        }
    }
    for (int i = 0; i < count; ++i) {
        std::uint32_t out = 0;
        for (int k = 0; k < 4; ++k) {
            const int v = (sums[static_cast<std::size_t>(k)] + window / 2) / window;
            out |= static_cast<std::uint32_t>(std::clamp(v, 0, 255)) << (8 * k);
        }
        data[static_cast<std::ptrdiff_t>(i) * stride] = out;
        const int enter = i + half + 1;
        const int leave = i - half;
        for (int k = 0; k < 4; ++k) {
            if (enter < count) {
                sums[static_cast<std::size_t>(k)] +=
                    channel(line[static_cast<std::size_t>(enter)], k);
            }
            if (leave >= 0) {
                sums[static_cast<std::size_t>(k)] -=
                    channel(line[static_cast<std::size_t>(leave)], k);
            }
        }
    }
}

} // namespace

void setColour(cairo_t* cr, const Colour& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

PathFn roundedRectPath(double x, double y, double w, double h, double r) {
    return [=](cairo_t* cr) { roundedRect(cr, x, y, w, h, r); };
}

PathFn circlePath(double cx, double cy, double r) {
    return [=](cairo_t* cr) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * pi);
        cairo_close_path(cr);
    };
}

void blurSurface(cairo_surface_t* surface, int radius) {
    if (radius <= 0) {
        return;
    }
    // The radius is in picture pixels; a detailed image blurs as far.
    double detailX = 1;
    double detailY = 1;
    cairo_surface_get_device_scale(surface, &detailX, &detailY);
    radius = static_cast<int>(std::lround(radius * detailX));
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    if (data == nullptr) {
        return;
    }
    const int half = std::max(1, radius / 2);
    std::vector<int> sums;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            boxPass(data + static_cast<std::ptrdiff_t>(y) * stride, w, 1, half, sums);
        }
        for (int x = 0; x < w; ++x) {
            boxPass(data + x, h, stride, half, sums);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void softShape(const Canvas& canvas, const PathFn& path, const Colour& colour, int radius,
               double dx, double dy) {
    Canvas layer(canvas.width(), canvas.height());
    path(layer.cr());
    setColour(layer.cr(), colour);
    cairo_fill(layer.cr());
    blurSurface(layer.surface(), radius);
    cairo_save(canvas.cr());
    cairo_set_source_surface(canvas.cr(), layer.surface(), dx, dy);
    cairo_paint(canvas.cr());
    cairo_restore(canvas.cr());
}

namespace {
void addStops(cairo_pattern_t* p, Stops stops) {
    for (const auto& [offset, c] : stops) {
        cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
    }
}
void fillWith(cairo_t* cr, const PathFn& path, cairo_pattern_t* p) {
    cairo_new_path(cr);
    path(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}
} // namespace

void fillLinear(cairo_t* cr, const PathFn& path, double x0, double y0, double x1, double y1,
                Stops stops) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStops(p, stops);
    fillWith(cr, path, p);
}

void fillRadial(cairo_t* cr, const PathFn& path, double cx, double cy, double r, Stops stops) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    addStops(p, stops);
    fillWith(cr, path, p);
}

void fill(cairo_t* cr, const PathFn& path, const Colour& c) {
    cairo_new_path(cr);
    path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

void stroke(cairo_t* cr, const PathFn& path, const Colour& c, double width) {
    cairo_new_path(cr);
    path(cr);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void gloss(cairo_t* cr, const PathFn& path, double top, double bottom, double strength) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    const double mid = top + (bottom - top) * 0.5;
    fillLinear(cr, [&](cairo_t* c) { cairo_rectangle(c, -1e4, top, 2e4, mid - top); }, 0, top, 0,
               mid,
               {{0.0, palette::white.withAlpha(strength)},
                {1.0, palette::white.withAlpha(strength * 0.15)}});
    cairo_restore(cr);
}

namespace {
void selectFont(cairo_t* cr, const Font& font) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.size);
}
} // namespace

double textWidth(cairo_t* cr, const std::string& text, const Font& font) {
    selectFont(cr, font);
    if (font.tracking == 0) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, text.c_str(), &e);
        return e.x_advance;
    }
    double w = 0;
    for (char ch : text) {
        const char one[2] = {ch, 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, one, &e);
        w += e.x_advance + font.tracking;
    }
    return text.empty() ? 0 : w - font.tracking;
}

void textPath(cairo_t* cr, const std::string& text, const Font& font, double x, double y,
              Align align) {
    const double w = textWidth(cr, text, font);
    selectFont(cr, font);
    cairo_text_extents_t cap;
    cairo_text_extents(cr, "H", &cap);
    const double baseline = y - cap.y_bearing / 2;
    double left = x;
    if (align == Align::Centre) {
        left = x - w / 2;
    } else if (align == Align::Right) {
        left = x - w;
    }
    if (font.tracking == 0) {
        cairo_move_to(cr, left, baseline);
        cairo_text_path(cr, text.c_str());
        return;
    }
    for (char ch : text) {
        const char one[2] = {ch, 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, one, &e);
        cairo_move_to(cr, left, baseline);
        cairo_text_path(cr, one);
        left += e.x_advance + font.tracking;
    }
}

PathFn textShape(const std::string& text, const Font& font, double x, double y, Align align) {
    return [=](cairo_t* cr) { textPath(cr, text, font, x, y, align); };
}

} // namespace qv::art
