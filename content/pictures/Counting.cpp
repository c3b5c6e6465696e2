// SPDX-License-Identifier: MIT
#include "content/pictures/Counting.h"

#include "content/pictures/Figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qv::pictures {
namespace {

void star(cairo_t* cr, double x, double y, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = (i * 36.0 - 90) * M_PI / 180.0;
        const double d = i % 2 == 0 ? r : r * 0.42;
        if (i == 0) {
            cairo_move_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        } else {
            cairo_line_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

void objectPath(cairo_t* cr, char kind, double x, double y, double r) {
    switch (kind) {
    case 's':
        star(cr, x, y, r);
        break;
    case 'b':
        cairo_save(cr);
        cairo_translate(cr, x, y - r * 0.2);
        cairo_scale(cr, 0.8, 1.0);
        cairo_arc(cr, 0, 0, r * 0.8, 0, 2 * M_PI);
        cairo_restore(cr);
        break;
    case 't':
        cairo_move_to(cr, x, y - r);
        cairo_line_to(cr, x + r * 0.95, y + r * 0.7);
        cairo_line_to(cr, x - r * 0.95, y + r * 0.7);
        cairo_close_path(cr);
        break;
    case 'q':
        cairo_rectangle(cr, x - r * 0.72, y - r * 0.72, r * 1.44, r * 1.44);
        break;
    default:
        cairo_arc(cr, x, y, r * 0.78, 0, 2 * M_PI);
        break;
    }
}

Rgb objectColour(char kind, std::size_t index) {
    static const std::array<Rgb, 5> balloons = {hex(0xF25C54), hex(0xF7B32B), hex(0x4EA8DE),
                                                hex(0x9B5DE5), hex(0x6FD1A8)};
    switch (kind) {
    case 's':
        return gold;
    case 'b':
        return balloons[index % balloons.size()];
    case 't':
        return coral;
    case 'q':
        return hex(0x4EA8DE);
    default:
        return mint;
    }
}

} // namespace

void drawObjects(Canvas& canvas, std::string_view layout) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const std::size_t count = layout.size();
    const std::size_t rows = count <= 6 ? 1 : count <= 14 ? 2 : 3;
    const std::size_t perRow = (count + rows - 1) / rows;
    const double cellW = std::min(118.0, (Canvas::width - 40.0) / static_cast<double>(perRow));
    const double cellH = (Canvas::height - 30.0) / static_cast<double>(rows);
    const double r = std::min(cellW, cellH) * 0.36;
    // A fixed wobble keeps the rows from looking like a printed grid while
    // every object stays inside its own cell, so none can hide another.
    static constexpr std::array<double, 7> wobble = {0.0, 0.5, -0.4, 0.3, -0.6, 0.2, -0.2};
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t row = i / perRow;
        const std::size_t column = i % perRow;
        const std::size_t inRow = std::min(perRow, count - row * perRow);
        const double left = (Canvas::width - cellW * static_cast<double>(inRow)) / 2;
        const double x = left + cellW * (static_cast<double>(column) + 0.5) +
                         wobble[i % wobble.size()] * (cellW / 2 - r) * 0.8;
        const double y = 15 + cellH * (static_cast<double>(row) + 0.5) +
                         wobble[(i + 3) % wobble.size()] * (cellH / 2 - r) * 0.8;
        const char kind = layout[i];
        if (kind == 'b') {
            cairo_set_line_width(cr, 2);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
            cairo_move_to(cr, x, y + r * 0.6);
            cairo_curve_to(cr, x - 6, y + r * 0.9, x + 6, y + r * 1.1, x, y + r * 1.3);
            cairo_stroke(cr);
        }
        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
        objectPath(cr, kind, x + 3, y + 5, r);
        cairo_fill(cr);
        objectPath(cr, kind, x, y, r);
        setColour(cr, objectColour(kind, i));
        cairo_fill_preserve(cr);
        setColour(cr, ink, 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void drawTally(Canvas& canvas, int count) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const int groups = (count + 4) / 5;
    const double stroke = 22;
    const double groupW = stroke * 4 + 44;
    const double x0 = (Canvas::width - groupW * groups + 44) / 2;
    const double top = Canvas::height / 2.0 - 70;
    const double bottom = Canvas::height / 2.0 + 70;
    setColour(cr, cream);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 8);
    for (int g = 0; g < groups; ++g) {
        const int inGroup = std::min(5, count - g * 5);
        const double gx = x0 + g * groupW;
        for (int i = 0; i < std::min(4, inGroup); ++i) {
            const double x = gx + i * stroke + 4;
            cairo_move_to(cr, x, top + (i % 2) * 5);
            cairo_line_to(cr, x + (i % 2 == 0 ? 2 : -2), bottom);
        }
        if (inGroup == 5) {
            cairo_move_to(cr, gx - 14, bottom - 22);
            cairo_line_to(cr, gx + stroke * 3 + 22, top + 22);
        }
    }
    cairo_stroke(cr);
}

void drawMorse(Canvas& canvas, std::string_view signal) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    const double y = Canvas::height / 2.0;
    // Measured once at full size without ink, then drawn centred and, for a
    // long signal, smaller so that it keeps a margin on both sides.
    auto run = [&](double x, double unit, bool ink) {
        const double dotW = 26 * unit;
        const double gap = 20 * unit;
        const double letterGap = 62 * unit;
        for (const char c : signal) {
            if (c == ' ') {
                x += letterGap - gap;
                continue;
            }
            const double w = c == '-' ? 3 * dotW : dotW;
            if (ink) {
                cairo_arc(cr, x + dotW / 2, y, dotW / 2, M_PI / 2, 3 * M_PI / 2);
                cairo_arc(cr, x + w - dotW / 2, y, dotW / 2, -M_PI / 2, M_PI / 2);
                cairo_close_path(cr);
                cairo_fill(cr);
            }
            x += w + gap;
        }
        return x - gap;
    };
    const double room = Canvas::width - 80.0;
    const double unit = std::min(1.0, room / run(0, 1, false));
    const double total = run(0, unit, false);
    setColour(cr, hex(0xFFE08A));
    run((Canvas::width - total) / 2, unit, true);
}

void drawLamps(Canvas& canvas, std::string_view pattern) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    const double step = 120;
    const double x0 = Canvas::width / 2.0 - step * (static_cast<double>(pattern.size()) - 1) / 2;
    const double y = Canvas::height / 2.0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const double x = x0 + step * static_cast<double>(i);
        const bool lit = pattern[i] == '1';
        if (lit) {
            cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 30, x, y, 70);
            cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.85, 0.4, 0.55);
            cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.85, 0.4, 0);
            cairo_set_source(cr, glow);
            cairo_arc(cr, x, y, 70, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pattern_destroy(glow);
        }
        setColour(cr, lit ? hex(0xFFE9A8) : hex(0x2B3138));
        cairo_arc(cr, x, y, 38, 0, 2 * M_PI);
        cairo_fill_preserve(cr);
        setColour(cr, hex(0x8A939C));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void drawCard(Canvas& canvas, const char* text, double size, bool serif) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double w = Canvas::width - 110.0;
    const double h = Canvas::height - 50.0;
    const double x = (Canvas::width - w) / 2;
    const double y = (Canvas::height - h) / 2;
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_rectangle(cr, x + 5, y + 7, w, h);
    cairo_fill(cr);
    setColour(cr, cream);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    setColour(cr, ink);
    cairo_select_font_face(cr, serif ? "DejaVu Serif" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text, &extents);
    // A long line shrinks to fit the card rather than run off its edges.
    const double room = w - 60;
    if (extents.width > room) {
        cairo_set_font_size(cr, size * room / extents.width);
        cairo_text_extents(cr, text, &extents);
    }
    cairo_move_to(cr, Canvas::width / 2.0 - extents.width / 2 - extents.x_bearing,
                  Canvas::height / 2.0 - extents.height / 2 - extents.y_bearing);
    cairo_show_text(cr, text);
    cairo_new_path(cr);
}

void drawThereforeCard(Canvas& canvas) {
    drawCard(canvas, "", 10);
    cairo_t* cr = canvas.cr();
    const double x = Canvas::width / 2.0;
    const double y = Canvas::height / 2.0;
    setColour(cr, ink);
    for (const auto& [dx, dy] : {std::array<double, 2>{0, -34}, {-38, 30}, {38, 30}}) {
        cairo_arc(cr, x + dx, y + dy, 15, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

} // namespace qv::pictures
