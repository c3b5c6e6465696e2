// SPDX-License-Identifier: MIT
#include "content/pictures/Riddles.h"

#include "content/pictures/Figures.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace qv::pictures {
namespace {

constexpr double cx = Canvas::width / 2.0;
constexpr double cy = Canvas::height / 2.0;

void dropShadow(cairo_t* cr, double x, double y, double w, double h) {
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_rectangle(cr, x + 5, y + 7, w, h);
    cairo_fill(cr);
}

void outlined(cairo_t* cr, Rgb fill, double width) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void glyph(cairo_t* cr, const char* text, double x, double y, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing,
                  y - extents.height / 2 - extents.y_bearing);
    cairo_show_text(cr, text);
    cairo_new_path(cr);
}

void starShape(cairo_t* cr, double x, double y, double r) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const double d = i % 2 == 0 ? r : r * 0.38;
        if (i == 0) {
            cairo_move_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        } else {
            cairo_line_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

// One balance in level: a post, a beam and two pans; the shapes on each pan
// are letters, 'c' circle, 'q' square, 't' triangle.
void balance(cairo_t* cr, double x, std::string_view left, std::string_view right) {
    const double beamY = 92;
    const double half = 88;
    setColour(cr, cream);
    cairo_move_to(cr, x, beamY);
    cairo_line_to(cr, x + 26, 236);
    cairo_line_to(cr, x - 26, 236);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 60, 232, 120, 10);
    cairo_fill(cr);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x - half, beamY);
    cairo_line_to(cr, x + half, beamY);
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
        const double px = x + side * half;
        const double panY = 178;
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, px, beamY);
        cairo_line_to(cr, px - 36, panY);
        cairo_move_to(cr, px, beamY);
        cairo_line_to(cr, px + 36, panY);
        cairo_stroke(cr);
        cairo_move_to(cr, px - 44, panY);
        cairo_curve_to(cr, px - 32, panY + 20, px + 32, panY + 20, px + 44, panY);
        cairo_close_path(cr);
        setColour(cr, gold);
        cairo_fill(cr);
        setColour(cr, cream);
        const std::string_view shapes = side < 0 ? left : right;
        const double size = 30;
        const double first = px - (static_cast<double>(shapes.size()) - 1) * (size + 4) / 2;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const double sx = first + static_cast<double>(i) * (size + 4);
            const double sy = panY - size / 2 - 2;
            switch (shapes[i]) {
            case 'c':
                cairo_arc(cr, sx, sy, size / 2, 0, 2 * M_PI);
                outlined(cr, coral, 2);
                break;
            case 'q':
                cairo_rectangle(cr, sx - size / 2, sy - size / 2, size, size);
                outlined(cr, mint, 2);
                break;
            default:
                cairo_move_to(cr, sx, sy - size / 2);
                cairo_line_to(cr, sx + size / 2, sy + size / 2);
                cairo_line_to(cr, sx - size / 2, sy + size / 2);
                cairo_close_path(cr);
                outlined(cr, hex(0x4EA8DE), 2);
                break;
            }
        }
        setColour(cr, cream);
    }
}

} // namespace

void drawKnightBoard(Canvas& canvas, int file, int rank) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double cell = 28;
    const double left = cx - 4 * cell;
    const double top = cy - 4 * cell;
    dropShadow(cr, left, top, 8 * cell, 8 * cell);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const bool dark = (row + column) % 2 == 1;
            const bool marked = column == file && row == 8 - rank;
            setColour(cr, marked ? gold : dark ? hex(0x7A5A3A) : cream);
            cairo_rectangle(cr, left + column * cell, top + row * cell, cell, cell);
            cairo_fill(cr);
        }
    }
    setColour(cr, ink);
    // The black knight of the chess symbols.
    glyph(cr, "\u265E", left + (file + 0.5) * cell, top + (8 - rank + 0.5) * cell, 24);
}

void drawNumberSquare(Canvas& canvas, const int (&cells)[9]) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double cell = 72;
    const double left = cx - 1.5 * cell;
    const double top = cy - 1.5 * cell;
    dropShadow(cr, left, top, 3 * cell, 3 * cell);
    setColour(cr, cream);
    cairo_rectangle(cr, left, top, 3 * cell, 3 * cell);
    cairo_fill(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, 3);
    for (int i = 0; i <= 3; ++i) {
        cairo_move_to(cr, left + i * cell, top);
        cairo_line_to(cr, left + i * cell, top + 3 * cell);
        cairo_move_to(cr, left, top + i * cell);
        cairo_line_to(cr, left + 3 * cell, top + i * cell);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 9; ++i) {
        const double x = left + (i % 3 + 0.5) * cell;
        const double y = top + (i / 3 + 0.5) * cell;
        const std::string label = cells[i] == 0 ? "?" : std::to_string(cells[i]);
        setColour(cr, cells[i] == 0 ? coral : ink);
        centredText(cr, label.c_str(), x, y, 40, true);
    }
}

void drawBrailleCell(Canvas& canvas, std::string_view dots) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double w = 170;
    const double h = 230;
    dropShadow(cr, cx - w / 2, cy - h / 2, w, h);
    setColour(cr, cream);
    cairo_rectangle(cr, cx - w / 2, cy - h / 2, w, h);
    cairo_fill(cr);
    for (int dot = 0; dot < 6; ++dot) {
        const double x = cx + (dot < 3 ? -36 : 36);
        const double y = cy + (dot % 3 - 1) * 66;
        const bool raised =
            dot < static_cast<int>(dots.size()) && dots[static_cast<std::size_t>(dot)] == '1';
        cairo_arc(cr, x, y, 20, 0, 2 * M_PI);
        if (raised) {
            setColour(cr, ink);
            cairo_fill(cr);
        } else {
            // Where a dot could be: a faint ring, so that the cell's grid shows.
            cairo_set_source_rgba(cr, 0.08, 0.14, 0.17, 0.25);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
}

void drawNumberedCubeNet(Canvas& canvas, const int (&faces)[6]) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    const double u = 70;
    const double left = cx - 2 * u;
    const double top = cy - 1.5 * u;
    const std::array<std::array<int, 2>, 6> cells = {
        {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 0}, {1, 2}}};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double x = left + cells[i][0] * u;
        const double y = top + cells[i][1] * u;
        cairo_rectangle(cr, x, y, u, u);
        outlined(cr, mint, 3);
        setColour(cr, ink);
        const std::string label = std::to_string(faces[i]);
        centredText(cr, label.c_str(), x + u / 2, y + u / 2, 34, true);
    }
}

void drawPaintedCube(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    // An isometric view: the top and two sides, each cut into 3 x 3.
    const double s = 34;
    const double ax = s * std::cos(M_PI / 6);
    const double ay = s * std::sin(M_PI / 6);
    const double ox = cx;
    const double oy = cy;
    const Rgb faces[3] = {hex(0xE8574A), hex(0xB83A30), hex(0x8E2A23)};
    // Each face: an origin and two step vectors.
    struct Face {
        double x0, y0, ux, uy, vx, vy;
        Rgb colour;
    };
    const Face sides[3] = {
        {ox, oy, ax, -ay, -ax, -ay, faces[0]}, // top
        {ox, oy, -ax, -ay, 0, s, faces[1]},    // left
        {ox, oy, ax, -ay, 0, s, faces[2]},     // right
    };
    for (const Face& f : sides) {
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const double x = f.x0 + i * f.ux + j * f.vx;
                const double y = f.y0 + i * f.uy + j * f.vy;
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x + f.ux, y + f.uy);
                cairo_line_to(cr, x + f.ux + f.vx, y + f.uy + f.vy);
                cairo_line_to(cr, x + f.vx, y + f.vy);
                cairo_close_path(cr);
                outlined(cr, f.colour, 2.5);
            }
        }
    }
}

void drawBalances(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    balance(cr, cx - 150, "c", "qq");
    balance(cr, cx + 150, "t", "cc");
}

void drawMirroredClock(Canvas& canvas, int hour, int minute) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, 0);
    cairo_scale(cr, -1, 1);
    cairo_translate(cr, -cx, 0);
    drawClock(canvas, hour, minute);
    cairo_restore(cr);
}

void drawConstellation(Canvas& canvas, Constellation which) {
    canvas.paintNight();
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 60; ++i) {
        // Faint background stars, placed by a fixed rule.
        const double x = std::fmod(i * 151.3 + 7, Canvas::width);
        const double y = std::fmod(i * 83.7 + 29, Canvas::height);
        cairo_set_source_rgba(cr, 0.55, 0.6, 0.66, 0.8);
        cairo_arc(cr, x, y, 1.2, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Star positions as fractions of a 360 x 220 frame around the centre,
    // and the lines that join them into the figure.
    struct Star {
        double x, y, size;
    };
    std::vector<Star> stars;
    std::vector<std::array<int, 2>> lines;
    if (which == Constellation::Cassiopeia) {
        stars = {{0.0, 0.30, 1.0},
                 {0.24, 0.95, 1.2},
                 {0.48, 0.45, 1.2},
                 {0.72, 0.75, 1.0},
                 {1.0, 0.05, 0.9}};
        lines = {{{0, 1}}, {{1, 2}}, {{2, 3}}, {{3, 4}}};
    } else {
        stars = {{0.58, 0.0, 1.3}, {0.5, 0.36, 1.1},  {0.45, 0.64, 0.9},
                 {0.38, 1.0, 1.0}, {0.12, 0.22, 1.0}, {0.86, 0.5, 1.0}};
        lines = {{{0, 1}}, {{1, 2}}, {{2, 3}}, {{4, 1}}, {{1, 5}}};
    }
    const double w = 360;
    const double h = 190;
    auto px = [&](const Star& s) { return cx - w / 2 + s.x * w; };
    auto py = [&](const Star& s) { return cy - h / 2 + s.y * h; };
    cairo_set_source_rgba(cr, 0.55, 0.75, 0.95, 0.6);
    cairo_set_line_width(cr, 3);
    for (const auto& line : lines) {
        const Star& a = stars[static_cast<std::size_t>(line[0])];
        const Star& b = stars[static_cast<std::size_t>(line[1])];
        cairo_move_to(cr, px(a), py(a));
        cairo_line_to(cr, px(b), py(b));
    }
    cairo_stroke(cr);
    for (const Star& s : stars) {
        setColour(cr, hex(0xFFF4D6));
        starShape(cr, px(s), py(s), 17 * s.size);
        cairo_fill(cr);
        cairo_arc(cr, px(s), py(s), 6 * s.size, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void drawRails(Canvas& canvas) {
    canvas.paintStage();
    cairo_t* cr = canvas.cr();
    // Two rails meeting far off above the picture, sleepers closer together
    // the further they are: the upper bar seems longer to most eyes.
    const double vanishY = -60;
    const double baseY = Canvas::height;
    const double baseHalf = 200;
    auto halfAt = [&](double y) { return baseHalf * (y - vanishY) / (baseY - vanishY); };
    setColour(cr, hex(0x8A6A4A));
    for (double t = 0.0; t < 1.0; t += 0.1) {
        const double y = baseY - (baseY - 10) * (1 - std::pow(1 - t, 1.6));
        const double half = halfAt(y) * 1.15;
        cairo_set_line_width(cr, 2 + 8 * (y - 10) / (baseY - 10));
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
        cairo_stroke(cr);
    }
    setColour(cr, hex(0xC9D1D6));
    cairo_set_line_width(cr, 6);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * baseHalf, baseY);
        cairo_line_to(cr, cx + side * halfAt(10), 10);
    }
    cairo_stroke(cr);
    setColour(cr, hex(0xF7D117));
    const double bar = 110;
    for (const double y : {62.0, 214.0}) {
        cairo_rectangle(cr, cx - bar / 2, y - 7, bar, 14);
        cairo_fill(cr);
    }
}

} // namespace qv::pictures
