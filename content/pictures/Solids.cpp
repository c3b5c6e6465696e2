// SPDX-License-Identifier: MIT
#include "content/pictures/Solids.h"

#include "content/pictures/Figures.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace qv::pictures {
namespace {

constexpr double cx = Canvas::width / 2.0;
constexpr double cy = Canvas::height / 2.0;

// Every outline is `w` wide, so that the two shadows of one solid share a
// scale: a cylinder's disc is as wide as its side, a pyramid's square as
// wide as its triangle's base.
void outlinePath(cairo_t* cr, Outline2d shape, double x, double y, double w) {
    const double h = w / 2;
    switch (shape) {
    case Outline2d::Circle:
        cairo_arc(cr, x, y, h, 0, 2 * M_PI);
        break;
    case Outline2d::Square:
        cairo_rectangle(cr, x - h, y - h, w, w);
        break;
    case Outline2d::Triangle:
        cairo_move_to(cr, x, y - h * 0.95);
        cairo_line_to(cr, x + h, y + h * 0.95);
        cairo_line_to(cr, x - h, y + h * 0.95);
        cairo_close_path(cr);
        break;
    case Outline2d::TallRectangle:
        cairo_rectangle(cr, x - h, y - h * 1.55, w, h * 3.1);
        break;
    case Outline2d::WideRectangle:
        cairo_rectangle(cr, x - h, y - h * 0.55, w, h * 1.1);
        break;
    }
}

void caption(cairo_t* cr, const char* text, double x, double y) {
    setColour(cr, cream);
    centredText(cr, text, x, y, 20, true);
}

// A polygon given in units of `unit` around (x, y).
void polygon(cairo_t* cr, std::initializer_list<std::array<double, 2>> points, double x, double y,
             double unit) {
    bool first = true;
    for (const auto& p : points) {
        if (first) {
            cairo_move_to(cr, x + p[0] * unit, y + p[1] * unit);
            first = false;
        } else {
            cairo_line_to(cr, x + p[0] * unit, y + p[1] * unit);
        }
    }
    cairo_close_path(cr);
}

void netFace(cairo_t* cr) {
    setColour(cr, mint);
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void disc(cairo_t* cr, double x, double y, double r, Rgb colour) {
    setColour(cr, colour);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

} // namespace

void drawShadows(Canvas& canvas, Outline2d above, Outline2d side) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double w = 130;
    const double y = cy + 4;
    for (const double x : {cx - 150, cx + 150}) {
        cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
        cairo_rectangle(cr, x - 120, 8, 240, Canvas::height - 16.0);
        cairo_fill(cr);
    }
    setColour(cr, hex(0x0B1417));
    outlinePath(cr, above, cx - 150, y + 10, w);
    cairo_fill(cr);
    outlinePath(cr, side, cx + 150, y + 10, w);
    cairo_fill(cr);
    caption(cr, "From above", cx - 150, 24);
    caption(cr, "From the side", cx + 150, 24);
}

void drawNet(Canvas& canvas, Net net) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    switch (net) {
    case Net::Cube: {
        // A cross of six squares: four in a column, one either side of the second.
        const double u = 56;
        const double y = cy - u * 2;
        const std::array<std::array<int, 2>, 6> cells = {
            {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}, {1, 3}}};
        // The strip of four runs across the canvas so the cross fits its height.
        for (const auto& c : cells) {
            cairo_rectangle(cr, cx - 2 * u + c[1] * u, y + u * 0.5 + c[0] * u, u, u);
            netFace(cr);
        }
        break;
    }
    case Net::SquarePyramid: {
        const double u = 70;
        cairo_rectangle(cr, cx - u / 2, cy - u / 2, u, u);
        netFace(cr);
        const double t = u * 0.85;
        polygon(cr, {{{-0.5, -0.5}}, {{0.5, -0.5}}, {{0, -0.5 - t / u}}}, cx, cy, u);
        netFace(cr);
        polygon(cr, {{{-0.5, 0.5}}, {{0.5, 0.5}}, {{0, 0.5 + t / u}}}, cx, cy, u);
        netFace(cr);
        polygon(cr, {{{-0.5, -0.5}}, {{-0.5, 0.5}}, {{-0.5 - t / u, 0}}}, cx, cy, u);
        netFace(cr);
        polygon(cr, {{{0.5, -0.5}}, {{0.5, 0.5}}, {{0.5 + t / u, 0}}}, cx, cy, u);
        netFace(cr);
        break;
    }
    case Net::TriangularPrism: {
        // Three long faces side by side, an equilateral end above and below the middle one.
        const double w = 62;
        const double h = 130;
        const double x0 = cx - w * 1.5;
        const double y0 = cy - h / 2;
        for (int i = 0; i < 3; ++i) {
            cairo_rectangle(cr, x0 + w * i, y0, w, h);
            netFace(cr);
        }
        const double rise = w * std::sqrt(3.0) / 2;
        polygon(cr, {{{0, 0}}, {{1, 0}}, {{0.5, -rise / w}}}, x0 + w, y0, w);
        netFace(cr);
        polygon(cr, {{{0, 0}}, {{1, 0}}, {{0.5, rise / w}}}, x0 + w, y0 + h, w);
        netFace(cr);
        break;
    }
    }
}

void drawArrowLines(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double half = 150;
    const double fin = 34;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7);
    const std::array<double, 2> rows = {cy - 60, cy + 60};
    for (std::size_t i = 0; i < 2; ++i) {
        const double y = rows[i];
        const double out = i == 0 ? 1 : -1;
        setColour(cr, cream);
        for (const double end : {-1.0, 1.0}) {
            const double x = cx + end * half;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + end * out * fin * 0.8, y - fin * 0.8);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + end * out * fin * 0.8, y + fin * 0.8);
        }
        cairo_stroke(cr);
        setColour(cr, hex(0xE0402A));
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
        cairo_stroke(cr);
    }
}

void drawRingedCircles(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double centre = 24;
    const double left = cx - 150;
    const double right = cx + 150;
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        disc(cr, left + 82 * std::cos(a), cy + 82 * std::sin(a), 37, hex(0x9FB8C2));
    }
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        disc(cr, right + 42 * std::cos(a), cy + 42 * std::sin(a), 10, hex(0x9FB8C2));
    }
    disc(cr, left, cy, centre, hex(0xF28C28));
    disc(cr, right, cy, centre, hex(0xF28C28));
}

void drawMoon(Canvas& canvas, double lit, bool rightLit) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    const double r = 100;
    for (int i = 0; i < 40; ++i) {
        // A scatter of faint stars, placed by a fixed rule.
        const double x = std::fmod(i * 137.5, Canvas::width);
        const double y = std::fmod(i * 71.3 + 13, Canvas::height);
        if (std::hypot(x - cx, y - cy) > r + 10) {
            disc(cr, x, y, 1.3, hex(0x8894A0));
        }
    }
    disc(cr, cx, cy, r, hex(0x23282E));
    // The lit part: half the disc on the lit side, and the terminator an
    // ellipse whose width shows how far past half the phase has gone.
    const double side = rightLit ? 1 : -1;
    const double k = 1 - 2 * lit;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, -M_PI / 2, M_PI / 2);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(std::abs(k), 0.001), 1);
    if (k > 0) {
        cairo_arc_negative(cr, 0, 0, r, M_PI / 2, -M_PI / 2);
    } else {
        cairo_arc(cr, 0, 0, r, M_PI / 2, 3 * M_PI / 2);
    }
    cairo_restore(cr);
    cairo_close_path(cr);
    cairo_restore(cr);
    // The path above is drawn for the right-hand side; mirror it for the left.
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, 0);
    cairo_scale(cr, side, 1);
    cairo_translate(cr, -cx, 0);
    cairo_append_path(cr, path);
    cairo_restore(cr);
    cairo_path_destroy(path);
    setColour(cr, hex(0xF2EBD3));
    cairo_fill(cr);
}

void drawRingedPlanet(Canvas& canvas) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    const double r = 70;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.35);
    // The rings are a flat band seen nearly edge on: the half behind the
    // planet is drawn first, the half in front last.
    auto ring = [&](bool back) {
        cairo_save(cr);
        cairo_scale(cr, 1, 0.3);
        const double a0 = back ? M_PI : 0;
        cairo_arc(cr, 0, 0, r * 2.0, a0, a0 + M_PI);
        cairo_arc_negative(cr, 0, 0, r * 1.3, a0 + M_PI, a0);
        cairo_close_path(cr);
        cairo_restore(cr);
        setColour(cr, hex(0xD9C59A), 0.92);
        cairo_fill(cr);
    };
    ring(true);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, -r, 0, r);
    cairo_pattern_add_color_stop_rgb(body, 0.0, 0.93, 0.82, 0.58);
    cairo_pattern_add_color_stop_rgb(body, 0.5, 0.85, 0.69, 0.43);
    cairo_pattern_add_color_stop_rgb(body, 1.0, 0.72, 0.56, 0.34);
    cairo_set_source(cr, body);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    ring(false);
    cairo_restore(cr);
}

void drawRectangle(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double w = 330;
    const double h = 160;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_rectangle(cr, cx - w / 2 + 5, cy - h / 2 + 7, w, h);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - w / 2, cy - h / 2, w, h);
    setColour(cr, mint);
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

} // namespace qv::pictures
