// SPDX-License-Identifier: MIT
#include "content/pictures/Figures.h"

#include <cmath>
#include <string>

namespace qv::pictures {
namespace {

constexpr double cx = Canvas::width / 2.0;
constexpr double cy = Canvas::height / 2.0;

// Angles here are measured clockwise from straight up, as on a clock.
double sx(double radius, double degrees) {
    return cx + radius * std::sin(degrees * M_PI / 180.0);
}
double sy(double radius, double degrees) {
    return cy - radius * std::cos(degrees * M_PI / 180.0);
}

void softShadowDisc(cairo_t* cr, double x, double y, double radius) {
    for (int i = 5; i >= 1; --i) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0.07);
        cairo_arc(cr, x + 3, y + 5, radius + i, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void hand(cairo_t* cr, double degrees, double length, double width, Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, degrees * M_PI / 180.0);
    setColour(cr, colour);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, 0, length * 0.16);
    cairo_line_to(cr, 0, -length);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void centredText(cairo_t* cr, const char* text, double x, double y, double size, bool bold) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing,
                  y - extents.height / 2 - extents.y_bearing);
    cairo_show_text(cr, text);
    // Text leaves a current point behind; the next shape must not join it.
    cairo_new_path(cr);
}

void drawClock(Canvas& canvas, int hour, int minute) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 112;
    softShadowDisc(cr, cx, cy, r + 8);
    setColour(cr, coral);
    cairo_arc(cr, cx, cy, r + 8, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, cream);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);

    setColour(cr, ink);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int tick = 0; tick < 60; ++tick) {
        const bool major = tick % 5 == 0;
        cairo_set_line_width(cr, major ? 4.0 : 1.5);
        const double inner = major ? r - 16 : r - 9;
        cairo_move_to(cr, sx(inner, tick * 6.0), sy(inner, tick * 6.0));
        cairo_line_to(cr, sx(r - 4, tick * 6.0), sy(r - 4, tick * 6.0));
        cairo_stroke(cr);
    }
    for (int n = 1; n <= 12; ++n) {
        const std::string label = std::to_string(n);
        centredText(cr, label.c_str(), sx(r - 32, n * 30.0), sy(r - 32, n * 30.0), 22, true);
    }

    const double minuteAngle = minute * 6.0;
    const double hourAngle = (hour % 12) * 30.0 + minute * 0.5;
    hand(cr, hourAngle, r * 0.52, 9, ink);
    hand(cr, minuteAngle, r * 0.82, 5, ink);
    setColour(cr, coral);
    cairo_arc(cr, cx, cy, 7, 0, 2 * M_PI);
    cairo_fill(cr);
}

void drawPie(Canvas& canvas, int slices, int shaded) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 105;
    softShadowDisc(cr, cx, cy, r);
    for (int i = 0; i < slices; ++i) {
        const double a0 = -M_PI / 2 + 2 * M_PI * i / slices;
        const double a1 = -M_PI / 2 + 2 * M_PI * (i + 1) / slices;
        setColour(cr, i < shaded ? coral : cream);
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    setColour(cr, ink);
    cairo_set_line_width(cr, 3);
    for (int i = 0; i < slices; ++i) {
        const double a = -M_PI / 2 + 2 * M_PI * i / slices;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 4);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_stroke(cr);
}

void drawRegularPolygon(Canvas& canvas, int sides) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 108;
    auto outline = [&](double dx, double dy) {
        for (int i = 0; i < sides; ++i) {
            const double a = 360.0 * i / sides;
            const double x = sx(r, a) + dx;
            const double y = sy(r, a) + dy + 6;
            if (i == 0) {
                cairo_move_to(cr, x, y);
            } else {
                cairo_line_to(cr, x, y);
            }
        }
        cairo_close_path(cr);
    };
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    outline(5, 7);
    cairo_fill(cr);
    outline(0, 0);
    setColour(cr, mint);
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void drawCompass(Canvas& canvas, double degrees) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double r = 110;
    softShadowDisc(cr, cx, cy, r);
    setColour(cr, cream);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, cx, cy, r - 6, 0, 2 * M_PI);
    cairo_stroke(cr);

    // The rose: long points on the four main directions, short ones between.
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        const double len = i % 2 == 0 ? r - 40 : r - 70;
        const double side = i % 2 == 0 ? 12 : 8;
        setColour(cr, hex(0xBFD4D2));
        cairo_move_to(cr, sx(len, a), sy(len, a));
        cairo_line_to(cr, sx(side, a + 90), sy(side, a + 90));
        cairo_line_to(cr, sx(side, a - 90), sy(side, a - 90));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    const char* names[4] = {"N", "E", "S", "W"};
    setColour(cr, ink);
    for (int i = 0; i < 4; ++i) {
        centredText(cr, names[i], sx(r - 24, i * 90.0), sy(r - 24, i * 90.0), 24, true);
    }

    // The arrow itself, in coral with a dark rim.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, degrees * M_PI / 180.0);
    cairo_move_to(cr, 0, -(r - 44));
    cairo_line_to(cr, 14, -(r - 74));
    cairo_line_to(cr, 5, -(r - 74));
    cairo_line_to(cr, 5, 28);
    cairo_line_to(cr, -5, 28);
    cairo_line_to(cr, -5, -(r - 74));
    cairo_line_to(cr, -14, -(r - 74));
    cairo_close_path(cr);
    setColour(cr, hex(0xE0402A));
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    setColour(cr, ink);
    cairo_arc(cr, cx, cy, 6, 0, 2 * M_PI);
    cairo_fill(cr);
}

void drawAngle(Canvas& canvas, double degrees) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    // The vertex sits low so that both rays have room, and further left
    // when the angle opens less, so the figure stays centred.
    const double vx = degrees < 90 ? cx - 110 : cx + 40;
    const double vy = Canvas::height - 55.0;
    const double length = 260;
    const double a = degrees * M_PI / 180.0;
    setColour(cr, coral, 0.55);
    cairo_move_to(cr, vx, vy);
    cairo_arc_negative(cr, vx, vy, 60, 0, -a);
    cairo_close_path(cr);
    cairo_fill(cr);
    setColour(cr, coral);
    cairo_set_line_width(cr, 4);
    cairo_arc_negative(cr, vx, vy, 60, 0, -a);
    cairo_stroke(cr);

    setColour(cr, cream);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7);
    cairo_move_to(cr, vx + length * 0.8, vy);
    cairo_line_to(cr, vx, vy);
    cairo_line_to(cr, vx + length * std::cos(a) * 0.7, vy - length * std::sin(a) * 0.7);
    cairo_stroke(cr);
    cairo_arc(cr, vx, vy, 7, 0, 2 * M_PI);
    cairo_fill(cr);
}

} // namespace qv::pictures
