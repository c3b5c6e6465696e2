// SPDX-License-Identifier: MIT
#include "content/art/TitleArt.h"

#include "content/art/ButtonArt.h"
#include "content/art/Layout.h"
#include "content/art/Paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace qv::art {

using namespace palette;

namespace {

constexpr double pi = 3.14159265358979323846;

// A small fixed generator so the art is the same on every run.
class Lcg {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    std::uint64_t state_ = 0x5eed0fa11ULL;
};

// The menus draw this image 3.4 times its size, turning about its centre,
// which sits on the screen's top-left corner: only low, smooth detail
// survives the scaling, and the spiral has a whole number of arms so it
// closes on itself all the way round.
void paintSwirl(const Canvas& canvas) {
    const int size = canvas.width();
    // Each image pixel is painted at its own place in the picture.
    const int detail = Canvas::detail();
    const int pixels = size * detail;
    cairo_surface_flush(canvas.surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.surface());
    const int stride = cairo_image_surface_get_stride(canvas.surface());
    const Colour deep = rgb(96, 150, 160);
    const Colour pale = rgb(236, 246, 242);
    const double c = size / 2.0;
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            const double dx = (x + 0.5) / detail - c;
            const double dy = (y + 0.5) / detail - c;
            const double r = std::hypot(dx, dy);
            const double a = std::atan2(dy, dx);
            const double arms = std::sin(5 * a + r / 34.0);
            const double fine = std::sin(3 * a - r / 21.0 + 1.3);
            const double rings = std::sin(r / 55.0);
            double v = 0.52 + 0.3 * arms + 0.12 * fine + 0.08 * rings;
            // The arms meet in a sharp point at the centre; melt it into light.
            const double melt = std::exp(-r / 30.0);
            v = std::clamp(v * (1 - melt) + 0.85 * melt, 0.0, 1.0);
            v = v * v * (3 - 2 * v);
            const Colour col = deep.mix(pale, v);
            const std::uint32_t px = 0xFF000000u |
                                     static_cast<std::uint32_t>(col.r * 255 + 0.5) << 16 |
                                     static_cast<std::uint32_t>(col.g * 255 + 0.5) << 8 |
                                     static_cast<std::uint32_t>(col.b * 255 + 0.5);
            std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride + x * 4, &px, sizeof px);
        }
    }
    cairo_surface_mark_dirty(canvas.surface());
    // Soft glints of light, which the scaling turns into out-of-focus glints.
    Lcg random;
    Canvas glints(size, size);
    for (int i = 0; i < 160; ++i) {
        const double x = random.next() * size;
        const double y = random.next() * size;
        const double r = 1.5 + random.next() * 4.5;
        fill(glints.cr(), circlePath(x, y, r), white.withAlpha(0.25 + random.next() * 0.45));
    }
    blurSurface(glints.surface(), 3);
    cairo_set_source_surface(canvas.cr(), glints.surface(), 0, 0);
    cairo_paint(canvas.cr());
}

void chevronButton(ArtWriter& out, const char* base, bool up) {
    writeButtonTriple(out, base, 80, 48, [up](const Canvas& canvas, Look look) {
        paintPlate(canvas, look, 4, 4, 72, 40, 20);
        const double drop = look == Look::Pressed ? 1 : 0;
        const double dir = up ? -1 : 1;
        const PathFn chevron = [=](cairo_t* cr) {
            cairo_move_to(cr, 28, 24 - dir * 6 + drop);
            cairo_line_to(cr, 40, 24 + dir * 6 + drop);
            cairo_line_to(cr, 52, 24 - dir * 6 + drop);
        };
        stroke(canvas.cr(), chevron, inkDeep.withAlpha(0.5), 7);
        stroke(canvas.cr(), chevron, labelColour(look), 4.5);
    });
}

void title(ArtWriter& out) {
    Canvas c(layout::screenWidth, layout::screenHeight);
    paintScrim(c, 132, 46, 760, 320);
    paintEmblem(c, 512, 126, 112);
    paintHeading(c, "QUIZVALE", 118, 512, 250);
    // The tagline below the name (centred on 512, 330) is drawn by the game.
    out.tga("title2.tga", c);
}

void newGame(ArtWriter& out) {
    Canvas c(layout::screenWidth, layout::screenHeight);
    paintEmblem(c, 512, 132, 84);
    // The heading (centred on 512, 236) is drawn by the game.
    // Behind the prompt (y 364 from x 287), the count or the typed name;
    // centred on the screen.
    paintScrim(c, 247, 322, 530, 290);
    out.tga("newgametitle.tga", c);
}

void icon(ArtWriter& out) {
    Canvas c(256, 256);
    paintEmblem(c, 128, 128, 236);
    out.png("icon.png", c);
}

} // namespace

void paintEmblem(const Canvas& canvas, double cx, double cy, double size) {
    cairo_t* cr = canvas.cr();
    const double s = size / 236.0;
    const double x = cx - size / 2;
    const double y = cy - size / 2;
    const PathFn tile = roundedRectPath(x + 8 * s, y + 8 * s, size - 16 * s, size - 16 * s, 50 * s);
    softShape(canvas, tile, inkDeep.withAlpha(0.6), static_cast<int>(10 * s) + 1, 0, 4 * s);
    fillLinear(cr, tile, 0, y, 0, y + size, {{0.0, tealBright}, {0.45, teal}, {1.0, tealDeep}});
    gloss(cr, tile, y + 8 * s, y + size - 8 * s, 0.18);
    stroke(cr, roundedRectPath(x + 10 * s, y + 10 * s, size - 20 * s, size - 20 * s, 48 * s),
           cream.withAlpha(0.6), 3 * s);
    // Speech bubble.
    const PathFn bubble = [=](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_arc(k, cx, cy - 8 * s, 72 * s, 0, 2 * pi);
        cairo_close_path(k);
        // Wound the same way as the circle, so the tail joins it instead of
        // cutting a hole where they overlap.
        cairo_move_to(k, cx - 44 * s, cy + 20 * s);
        cairo_line_to(k, cx - 10 * s, cy + 50 * s);
        cairo_line_to(k, cx - 70 * s, cy + 82 * s);
        cairo_close_path(k);
    };
    softShape(canvas, bubble, coral.withAlpha(0.9), static_cast<int>(14 * s) + 1);
    fillLinear(cr, bubble, 0, cy - 80 * s, 0, cy + 80 * s,
               {{0.0, coralLight}, {0.6, coral}, {1.0, coralDeep}});
    gloss(cr, bubble, cy - 80 * s, cy + 60 * s, 0.3);
    const Font mark{118 * s, true};
    softShape(canvas, textShape("?", mark, cx, cy - 6 * s, Align::Centre), ember,
              static_cast<int>(4 * s) + 1, 0, 3 * s);
    fill(cr, textShape("?", mark, cx, cy - 8 * s, Align::Centre), cream);
}

void paintHeading(const Canvas& canvas, const char* text, double size, double cx, double cy) {
    const Font font{size, true, size * 0.06};
    softShape(canvas, textShape(text, font, cx, cy, Align::Centre), coral.withAlpha(0.85),
              static_cast<int>(size / 6));
    softShape(canvas, textShape(text, font, cx, cy + size * 0.04, Align::Centre),
              inkDeep.withAlpha(0.9), 3);
    fillLinear(canvas.cr(), textShape(text, font, cx, cy, Align::Centre), 0, cy - size * 0.4, 0,
               cy + size * 0.4, {{0.0, white}, {0.55, cream}, {1.0, rgb(255, 208, 166)}});
}

void paintScrim(const Canvas& canvas, double x, double y, double w, double h) {
    const PathFn shape = roundedRectPath(x, y, w, h, 34);
    softShape(canvas, shape, inkDeep.withAlpha(0.55), 24);
    fillLinear(canvas.cr(), shape, 0, y, 0, y + h,
               {{0.0, tealDeep.withAlpha(0.72)}, {1.0, inkDeep.withAlpha(0.8)}});
    stroke(canvas.cr(), roundedRectPath(x + 1, y + 1, w - 2, h - 2, 33), cream.withAlpha(0.35),
           1.5);
}

void writeTitleArt(ArtWriter& out) {
    {
        Canvas swirl(768, 768);
        paintSwirl(swirl);
        out.bmp("big.bmp", swirl);
    }
    title(out);
    newGame(out);
    writeButtonTriple(out, "playagainbutton", 320, 44, plateButton());
    writeButtonTriple(out, "newgamebutton", 320, 44, plateButton());
    writeButtonTriple(out, "settingsbutton", 320, 44, plateButton());
    chevronButton(out, "upbutton", true);
    chevronButton(out, "downbutton", false);
    writeButtonTriple(out, "okbutton", 160, 48, plateButton());
    icon(out);
}

} // namespace qv::art
