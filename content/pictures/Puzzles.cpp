// SPDX-License-Identifier: MIT
#include "content/pictures/Figures.h"

#include <array>
#include <cmath>

namespace qv::pictures {
namespace {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// One die face, `size` pixels square, centred on (x, y) and turned a little.
void die(cairo_t* cr, double x, double y, double size, int face, double turnDegrees) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turnDegrees * M_PI / 180.0);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    roundedRect(cr, -size / 2 + 5, -size / 2 + 8, size, size, size * 0.16);
    cairo_fill(cr);
    roundedRect(cr, -size / 2, -size / 2, size, size, size * 0.16);
    setColour(cr, cream);
    cairo_fill_preserve(cr);
    setColour(cr, hex(0xC9BBA3));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    // Pip places on a 3 x 3 lattice, row by row.
    static constexpr std::array<std::array<bool, 9>, 7> layouts = {{
        {},
        {false, false, false, false, true, false, false, false, false},
        {true, false, false, false, false, false, false, false, true},
        {true, false, false, false, true, false, false, false, true},
        {true, false, true, false, false, false, true, false, true},
        {true, false, true, false, true, false, true, false, true},
        {true, false, true, true, false, true, true, false, true},
    }};
    setColour(cr, ink);
    const double step = size * 0.28;
    for (int i = 0; i < 9; ++i) {
        if (face >= 1 && face <= 6 &&
            layouts[static_cast<std::size_t>(face)][static_cast<std::size_t>(i)]) {
            cairo_arc(cr, (i % 3 - 1) * step, (i / 3 - 1) * step, size * 0.085, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void dot(cairo_t* cr, double x, double y, double r, Rgb colour) {
    setColour(cr, colour);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

// An irregular paint blob around (x, y): a closed curve through points whose
// distance from the centre wobbles.
void blob(cairo_t* cr, double x, double y, double r, Rgb colour) {
    constexpr int points = 9;
    static constexpr std::array<double, points> wobble = {1.0,  0.9,  1.08, 0.94, 1.04,
                                                          0.88, 1.06, 0.96, 1.02};
    auto at = [&](int i) {
        const double a = 2 * M_PI * i / points;
        const double d = r * wobble[static_cast<std::size_t>(i % points)];
        return std::array<double, 2>{x + d * std::cos(a), y + d * std::sin(a)};
    };
    auto path = [&](double dx, double dy) {
        for (int i = 0; i < points; ++i) {
            const auto p0 = at(i);
            const auto p1 = at(i + 1);
            const double m0x = (p0[0] + p1[0]) / 2 + dx;
            const double m0y = (p0[1] + p1[1]) / 2 + dy;
            if (i == 0) {
                cairo_move_to(cr, m0x, m0y);
            }
            const auto p2 = at(i + 2);
            cairo_curve_to(cr, p1[0] + dx, p1[1] + dy, p1[0] + dx, p1[1] + dy,
                           (p1[0] + p2[0]) / 2 + dx, (p1[1] + p2[1]) / 2 + dy);
        }
        cairo_close_path(cr);
    };
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    path(4, 7);
    cairo_fill(cr);
    setColour(cr, colour);
    path(0, 0);
    cairo_fill(cr);
    // A glossy highlight makes it read as wet paint.
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_arc(cr, x - r * 0.35, y - r * 0.4, r * 0.18, 0, 2 * M_PI);
    cairo_fill(cr);
}

void sign(cairo_t* cr, const char* text, double x, double y) {
    setColour(cr, cream);
    centredText(cr, text, x, y, 64, true);
}

} // namespace

void drawTwoDice(Canvas& canvas, int left, int right) {
    canvas.paintStage();
    die(canvas.cr(), Canvas::width / 2.0 - 95, Canvas::height / 2.0, 130, left, -8);
    die(canvas.cr(), Canvas::width / 2.0 + 95, Canvas::height / 2.0, 130, right, 6);
}

void drawOneDie(Canvas& canvas, int face) {
    canvas.paintStage();
    die(canvas.cr(), Canvas::width / 2.0, Canvas::height / 2.0, 150, face, -5);
}

void drawTriangleNumbers(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double gap = 34;
    const double spacing = 62;
    const double baseY = Canvas::height / 2.0 + 52;
    double x = 58;
    for (int rows = 1; rows <= 4; ++rows) {
        // Row k from the top holds k dots, so each pattern is a triangle.
        for (int row = 1; row <= rows; ++row) {
            const double y = baseY - (rows - row) * gap * 0.87;
            const double start = x + (rows - row) * gap / 2;
            for (int i = 0; i < row; ++i) {
                dot(cr, start + i * gap, y, 12, rows % 2 == 0 ? coral : mint);
            }
        }
        x += (rows - 1) * gap + spacing;
    }
    setColour(cr, gold);
    centredText(cr, "?", x + 20, baseY - 40, 120, true);
}

void drawSplitTriangle(Canvas& canvas, int parts) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double ax = Canvas::width / 2.0;
    const double ay = 22;
    const double by = Canvas::height - 26.0;
    const double left = ax - 190;
    const double right = ax + 190;
    cairo_move_to(cr, ax, ay);
    cairo_line_to(cr, right, by);
    cairo_line_to(cr, left, by);
    cairo_close_path(cr);
    setColour(cr, hex(0x1E5A61));
    cairo_fill_preserve(cr);
    setColour(cr, cream);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 1; i < parts; ++i) {
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, left + (right - left) * i / parts, by);
    }
    cairo_stroke(cr);
}

void drawSquareGrid(Canvas& canvas, int cells) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double size = 210;
    const double x0 = (Canvas::width - size) / 2;
    const double y0 = (Canvas::height - size) / 2;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_rectangle(cr, x0 + 5, y0 + 7, size, size);
    cairo_fill(cr);
    setColour(cr, cream);
    cairo_rectangle(cr, x0, y0, size, size);
    cairo_fill(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (int i = 0; i <= cells; ++i) {
        const double t = size * i / cells;
        cairo_move_to(cr, x0 + t, y0);
        cairo_line_to(cr, x0 + t, y0 + size);
        cairo_move_to(cr, x0, y0 + t);
        cairo_line_to(cr, x0 + size, y0 + t);
    }
    cairo_stroke(cr);
}

void drawPaintMix(Canvas& canvas, Rgb first, Rgb second) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double y = Canvas::height / 2.0;
    blob(cr, 100, y, 66, first);
    sign(cr, "+", 205, y);
    blob(cr, 310, y, 66, second);
    sign(cr, "=", 418, y);
    // The empty pot waiting for the answer.
    cairo_set_line_width(cr, 5);
    cairo_set_dash(cr, std::array<double, 1>{14}.data(), 1, 0);
    setColour(cr, cream);
    cairo_arc(cr, 535, y, 66, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    setColour(cr, gold);
    centredText(cr, "?", 535, y, 80, true);
}

void drawLightMix(Canvas& canvas, Rgb first, Rgb second) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    const double y = Canvas::height / 2.0;
    const double radius = 112;
    const double apart = 62;
    const std::array<double, 2> centres = {Canvas::width / 2.0 - apart,
                                           Canvas::width / 2.0 + apart};
    const std::array<Rgb, 2> colours = {first, second};
    // The beams go on a layer of their own so that the place where they meet
    // can be cut out of it: the colour there is what the question asks for,
    // so the picture leaves it dark.
    cairo_push_group(cr);
    for (std::size_t i = 0; i < 2; ++i) {
        cairo_pattern_t* beam =
            cairo_pattern_create_radial(centres[i], y, radius - 17, centres[i], y, radius);
        cairo_pattern_add_color_stop_rgba(beam, 0, colours[i].r, colours[i].g, colours[i].b, 1);
        cairo_pattern_add_color_stop_rgba(beam, 1, colours[i].r, colours[i].g, colours[i].b, 0);
        cairo_set_source(cr, beam);
        cairo_arc(cr, centres[i], y, radius, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(beam);
    }
    // The lens both discs share: the right arc of the left disc, then the
    // left arc of the right one.
    const double half = std::acos(apart / radius);
    auto lens = [&] {
        cairo_new_path(cr);
        cairo_arc(cr, centres[0], y, radius, -half, half);
        cairo_arc(cr, centres[1], y, radius, M_PI - half, M_PI + half);
        cairo_close_path(cr);
    };
    lens();
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);

    lens();
    cairo_set_line_width(cr, 4);
    cairo_set_dash(cr, std::array<double, 1>{12}.data(), 1, 0);
    setColour(cr, cream);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    centredText(cr, "?", Canvas::width / 2.0, y, 80, true);
}

} // namespace qv::pictures
