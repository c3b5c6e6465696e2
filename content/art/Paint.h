// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/Canvas.h"
#include "content/art/Palette.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

namespace qv::art {

// Adds a shape to the current path of a context.
using PathFn = std::function<void(cairo_t*)>;

void setColour(cairo_t* cr, const Colour& c);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
PathFn roundedRectPath(double x, double y, double w, double h, double r);
PathFn circlePath(double cx, double cy, double r);

// Blurs an ARGB32 surface in place with three box passes (close to a
// Gaussian of the given radius).
void blurSurface(cairo_surface_t* surface, int radius);

// A blurred copy of the shape in one colour, moved by (dx, dy): a drop
// shadow with a dark colour, a glow with a light one.
void softShape(const Canvas& canvas, const PathFn& path, const Colour& colour, int radius,
               double dx = 0, double dy = 0);

using Stops = std::initializer_list<std::pair<double, Colour>>;
// Fills the shape with a gradient from (x0, y0) to (x1, y1).
void fillLinear(cairo_t* cr, const PathFn& path, double x0, double y0, double x1, double y1,
                Stops stops);
// Fills the shape with a radial gradient around (cx, cy) out to r.
void fillRadial(cairo_t* cr, const PathFn& path, double cx, double cy, double r, Stops stops);
void fill(cairo_t* cr, const PathFn& path, const Colour& c);
void stroke(cairo_t* cr, const PathFn& path, const Colour& c, double width);
// A light sheen over the upper part of a shape, as if lit from above.
void gloss(cairo_t* cr, const PathFn& path, double top, double bottom, double strength);

enum class Align { Left, Centre, Right };

struct Font {
    double size = 20;
    bool bold = false;
    double tracking = 0; // extra pixels between letters
};

// The width the text takes in this font.
double textWidth(cairo_t* cr, const std::string& text, const Font& font);
// Adds the text outline to the path. Anchor x by `align`; y is the line's
// optical middle (half the capital height above the baseline).
void textPath(cairo_t* cr, const std::string& text, const Font& font, double x, double y,
              Align align);
PathFn textShape(const std::string& text, const Font& font, double x, double y, Align align);

} // namespace qv::art
