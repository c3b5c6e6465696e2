// SPDX-License-Identifier: MIT
#include "content/pictures/Signs.h"

#include "content/pictures/Figures.h"

#include <array>
#include <cmath>

namespace qv::pictures {
namespace {

constexpr double cx = Canvas::width / 2.0;
constexpr double cy = Canvas::height / 2.0;

const Rgb signRed = hex(0xC8102E);
const Rgb signBlue = hex(0x005EB8);
const Rgb white = hex(0xFFFFFF);
const Rgb black = hex(0x111111);

void shadowCircle(cairo_t* cr, double r) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_arc(cr, cx + 5, cy + 7, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

void disc(cairo_t* cr, double x, double y, double r, Rgb colour) {
    setColour(cr, colour);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A regular polygon path around the centre, first corner at `start` degrees
// clockwise from straight up.
void polygonPath(cairo_t* cr, int sides, double r, double start, double dx = 0, double dy = 0) {
    for (int i = 0; i < sides; ++i) {
        const double a = (start + 360.0 * i / sides) * M_PI / 180.0;
        const double x = cx + dx + r * std::sin(a);
        const double y = cy + dy - r * std::cos(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void arrowUp(cairo_t* cr, double size, Rgb colour) {
    setColour(cr, colour);
    cairo_move_to(cr, cx, cy - size);
    cairo_line_to(cr, cx + size * 0.62, cy - size * 0.22);
    cairo_line_to(cr, cx + size * 0.2, cy - size * 0.22);
    cairo_line_to(cr, cx + size * 0.2, cy + size);
    cairo_line_to(cr, cx - size * 0.2, cy + size);
    cairo_line_to(cr, cx - size * 0.2, cy - size * 0.22);
    cairo_line_to(cr, cx - size * 0.62, cy - size * 0.22);
    cairo_close_path(cr);
    cairo_fill(cr);
}

} // namespace

void drawRoadSign(Canvas& canvas, RoadSign sign) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 108;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (sign) {
    case RoadSign::Stop:
        // The shape alone, without its word: the shape is the question.
        cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
        polygonPath(cr, 8, r, 22.5, 5, 7);
        cairo_fill(cr);
        polygonPath(cr, 8, r, 22.5);
        setColour(cr, white);
        cairo_fill(cr);
        polygonPath(cr, 8, r - 8, 22.5);
        setColour(cr, signRed);
        cairo_fill(cr);
        break;
    case RoadSign::NoEntry:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, white);
        disc(cr, cx, cy, r - 5, signRed);
        setColour(cr, white);
        cairo_rectangle(cr, cx - r * 0.72, cy - r * 0.17, r * 1.44, r * 0.34);
        cairo_fill(cr);
        break;
    case RoadSign::GiveWay: {
        // Point down, a thick red border round a white middle.
        auto triangle = [&](double size, double dx, double dy) {
            polygonPath(cr, 3, size, 180, dx, dy - 14);
        };
        cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
        triangle(r + 18, 5, 7);
        cairo_fill(cr);
        triangle(r + 18, 0, 0);
        setColour(cr, signRed);
        cairo_fill(cr);
        triangle(r - 22, 0, 0);
        setColour(cr, white);
        cairo_fill(cr);
        break;
    }
    case RoadSign::AheadOnly:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, white);
        disc(cr, cx, cy, r - 5, signBlue);
        arrowUp(cr, r * 0.7, white);
        break;
    case RoadSign::NationalSpeedLimit:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, black);
        disc(cr, cx, cy, r - 4, white);
        cairo_save(cr);
        cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -M_PI / 4);
        setColour(cr, black);
        cairo_rectangle(cr, -r, -r * 0.14, 2 * r, r * 0.28);
        cairo_fill(cr);
        cairo_restore(cr);
        break;
    case RoadSign::NoStopping:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, white);
        disc(cr, cx, cy, r - 4, signRed);
        disc(cr, cx, cy, r - 24, signBlue);
        cairo_save(cr);
        cairo_arc(cr, cx, cy, r - 20, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_translate(cr, cx, cy);
        setColour(cr, signRed);
        for (const double turn : {M_PI / 4, -M_PI / 4}) {
            cairo_save(cr);
            cairo_rotate(cr, turn);
            cairo_rectangle(cr, -r, -11, 2 * r, 22);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        cairo_restore(cr);
        break;
    }
}

void drawTrafficLight(Canvas& canvas, bool red, bool amber, bool green) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double w = 96;
    const double h = 236;
    const double x = cx - w / 2;
    const double y = cy - h / 2;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_rectangle(cr, x + 5, y + 7, w, h);
    cairo_fill(cr);
    setColour(cr, hex(0x1B1B1B));
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    const std::array<bool, 3> lit = {red, amber, green};
    const std::array<Rgb, 3> on = {hex(0xFF2A1A), hex(0xFFB000), hex(0x19E07A)};
    const std::array<Rgb, 3> off = {hex(0x4A1511), hex(0x4A3710), hex(0x123D26)};
    for (std::size_t i = 0; i < 3; ++i) {
        const double ly = y + h * (i * 2 + 1) / 6.0;
        if (lit[i]) {
            cairo_pattern_t* glow = cairo_pattern_create_radial(cx, ly, 20, cx, ly, 60);
            cairo_pattern_add_color_stop_rgba(glow, 0, on[i].r, on[i].g, on[i].b, 0.5);
            cairo_pattern_add_color_stop_rgba(glow, 1, on[i].r, on[i].g, on[i].b, 0);
            cairo_set_source(cr, glow);
            cairo_arc(cr, cx, ly, 60, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pattern_destroy(glow);
        }
        disc(cr, cx, ly, 31, lit[i] ? on[i] : off[i]);
    }
}

void drawSymbol(Canvas& canvas, Symbol symbol) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 100;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (symbol) {
    case Symbol::Pause:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, cream);
        setColour(cr, ink);
        cairo_rectangle(cr, cx - 38, cy - 45, 26, 90);
        cairo_rectangle(cr, cx + 12, cy - 45, 26, 90);
        cairo_fill(cr);
        break;
    case Symbol::Power:
        shadowCircle(cr, r);
        disc(cr, cx, cy, r, ink);
        setColour(cr, hex(0x7FE0FF));
        cairo_set_line_width(cr, 14);
        cairo_arc(cr, cx, cy, 52, -M_PI / 2 + 0.7, 3 * M_PI / 2 - 0.7);
        cairo_stroke(cr);
        cairo_move_to(cr, cx, cy - 70);
        cairo_line_to(cr, cx, cy - 8);
        cairo_stroke(cr);
        break;
    case Symbol::Peace:
        setColour(cr, cream);
        cairo_set_line_width(cr, 16);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_move_to(cr, cx, cy - r);
        cairo_line_to(cr, cx, cy + r);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::sin(135 * M_PI / 180), cy - r * std::cos(135 * M_PI / 180));
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx - r * std::sin(135 * M_PI / 180), cy - r * std::cos(135 * M_PI / 180));
        cairo_stroke(cr);
        break;
    case Symbol::Radiation:
        // Three blades of sixty degrees around a small disc, black on yellow.
        shadowCircle(cr, r + 12);
        disc(cr, cx, cy, r + 12, hex(0xFFD21F));
        setColour(cr, black);
        for (int blade = 0; blade < 3; ++blade) {
            // Cairo's angles run clockwise from the right: one blade points down.
            const double a0 = (90 + blade * 120 - 30) * M_PI / 180.0;
            const double a1 = a0 + M_PI / 3;
            cairo_arc(cr, cx, cy, r - 8, a0, a1);
            cairo_arc_negative(cr, cx, cy, 24, a1, a0);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        disc(cr, cx, cy, 16, black);
        break;
    }
}

} // namespace qv::pictures
