// SPDX-License-Identifier: MIT
#pragma once
// One question picture being drawn: a cairo image surface with its drawing
// context, and the JPEG encoding the game and the editor expect.

#include <cairo.h>

#include <memory>
#include <string>

namespace qv::pictures {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

// "#RRGGBB" written as 0xRRGGBB.
constexpr Rgb hex(unsigned value) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

class Canvas {
public:
    // Every picture has the same size, well inside the 680 x 275 limit.
    static constexpr int width = 640;
    static constexpr int height = 260;

    Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context.get(); }
    bool valid() const;

    // The calm teal stage most pictures sit on.
    void paintStage();
    // A dark stage for pictures about light.
    void paintNight();

    // The colour at (x, y) as 0xRRGGBB after everything drawn so far; 0 for
    // a point outside the picture.
    unsigned pixel(int x, int y) const;

    // Writes the picture as a baseline JPEG, 24-bit RGB, quality 90.
    bool writeJpeg(const std::string& path) const;

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface;
    std::unique_ptr<cairo_t, ContextDeleter> context;
};

} // namespace qv::pictures
