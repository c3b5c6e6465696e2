// SPDX-License-Identifier: MIT
#include "content/art/Icons.h"

#include "content/art/Paint.h"

#include <cmath>

namespace qv::art {

namespace {

constexpr double pi = 3.14159265358979323846;

// Three coins in a stack.
void coins(cairo_t* cr, const Colour& c) {
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 3; ++i) {
        const double y = 7 - i * 5.5;
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 0, y);
        cairo_scale(cr, 1.0, 0.38);
        cairo_arc(cr, 0, 0, 10, 0, 2 * pi);
        cairo_restore(cr);
        setColour(cr, c.withAlpha(c.a * 0.35));
        cairo_fill_preserve(cr);
        setColour(cr, c);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, -10, y);
        cairo_line_to(cr, -10, y + 3);
        cairo_move_to(cr, 10, y);
        cairo_line_to(cr, 10, y + 3);
        cairo_stroke(cr);
    }
}

void star(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -pi / 2 + i * pi / points;
        const double x = cx + r * std::cos(a);
        const double y = cy + r * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

// A four-pointed sparkle with a smaller one beside it: the answer chosen for you.
void sparkle(cairo_t* cr, const Colour& c) {
    cairo_new_path(cr);
    star(cr, -2, 1, 11, 3.2, 4);
    star(cr, 8, -7, 5, 1.5, 4);
    setColour(cr, c);
    cairo_fill(cr);
}

// A magnifying glass.
void lens(cairo_t* cr, const Colour& c) {
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    cairo_arc(cr, -2.5, -2.5, 7, 0, 2 * pi);
    setColour(cr, c);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3.6);
    cairo_move_to(cr, 2.6, 2.6);
    cairo_line_to(cr, 9, 9);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.4);
    cairo_arc(cr, -2.5, -2.5, 4, pi * 1.05, pi * 1.45);
    setColour(cr, c.withAlpha(c.a * 0.7));
    cairo_stroke(cr);
}

// A small wheel: upper half filled, lower half open, pointer upright.
void wheel(cairo_t* cr, const Colour& c) {
    setColour(cr, c);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 1, 10, pi, 2 * pi);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.8);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 1, 10, 0, 2 * pi);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -1.8, 1);
    cairo_line_to(cr, 0, -12);
    cairo_line_to(cr, 1.8, 1);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 1, 2.6, 0, 2 * pi);
    cairo_fill(cr);
}

void person(cairo_t* cr, const Colour& c) {
    setColour(cr, c);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -4.5, 5, 0, 2 * pi);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 11, 10, pi, 2 * pi);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A speech bubble with three dots.
void bubble(cairo_t* cr, const Colour& c) {
    setColour(cr, c);
    cairo_new_path(cr);
    roundedRect(cr, -11, -8, 22, 14, 5);
    cairo_move_to(cr, -5, 5);
    cairo_line_to(cr, -8, 11);
    cairo_line_to(cr, 1, 5);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, i * 5.0, -1, 1.6, 0, 2 * pi);
        cairo_fill(cr);
    }
}

void questionMark(cairo_t* cr, const Colour& c) {
    setColour(cr, c);
    cairo_new_path(cr);
    textPath(cr, "?", Font{26, true}, 0, 0, Align::Centre);
    cairo_fill(cr);
}

} // namespace

void paintIcon(const Canvas& canvas, Icon icon, double cx, double cy, const Colour& colour,
               double size) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    switch (icon) {
    case Icon::Take:
        coins(cr, colour);
        break;
    case Icon::Joker:
        sparkle(cr, colour);
        break;
    case Icon::Clue:
        lens(cr, colour);
        break;
    case Icon::Gamble:
        wheel(cr, colour);
        break;
    case Icon::Player:
        person(cr, colour);
        break;
    case Icon::Host:
        bubble(cr, colour);
        break;
    case Icon::Question:
        questionMark(cr, colour);
        break;
    }
    cairo_restore(cr);
}

} // namespace qv::art
