// SPDX-License-Identifier: MIT
#pragma once

#include <cairo.h>

#include <memory>

namespace qv::art {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

// A transparent ARGB32 image with its drawing context; text is set up for
// grey-scale antialiasing without hinting so glyphs land where they are asked
// to on every machine.
//
// Sizes and drawing are in the picture's own pixels; the image itself holds
// detail() pixels for each of them (a device scale), so the same painting
// code writes the pictures at their size and at twice it.
class Canvas {
public:
    Canvas(int width, int height);

    // Image pixels per picture pixel for canvases made from now on (1 or 2).
    static void setDetail(int detail);
    static int detail();

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return context_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }
    // False when cairo could not allocate the image.
    bool ok() const;

private:
    int width_;
    int height_;
    SurfacePtr surface_;
    ContextPtr context_;
};

} // namespace qv::art
