// SPDX-License-Identifier: MIT
#include "content/art/GameExtras.h"

#include "content/art/ButtonArt.h"
#include "content/art/Layout.h"
#include "content/art/Paint.h"

#include <cmath>
#include <string>

namespace qv::art {

using namespace palette;

namespace {

constexpr double pi = 3.14159265358979323846;

// The back stays put while pictures of any size up to 680 x 275 are centred
// 8 pixels higher, so its panel sits high in the image and a soft shadow
// fills the rest.
void pictureBack(ArtWriter& out) {
    Canvas c(700, 300);
    cairo_t* cr = c.cr();
    const PathFn shape = roundedRectPath(6, 3, 688, 282, 20);
    softShape(c, shape, inkDeep.withAlpha(0.75), 12, 0, 6);
    fillLinear(cr, shape, 0, 3, 0, 285, {{0.0, tealDeep}, {1.0, inkDeep}});
    fillRadial(cr, shape, 350, 144, 360, {{0.0, teal.withAlpha(0.5)}, {1.0, teal.withAlpha(0.0)}});
    stroke(cr, roundedRectPath(7, 4, 686, 280, 19), cream.withAlpha(0.6), 2);
    stroke(cr, roundedRectPath(12, 9, 676, 270, 15), tealBright.withAlpha(0.35), 1);
    out.tga("picback.tga", c);
}

// Corner n of the picture (1 top left, then clockwise) sits centred on that
// corner; the bracket wraps the corner from outside.
void pictureCorner(ArtWriter& out, int n) {
    Canvas c(48, 48);
    cairo_t* cr = c.cr();
    const double sx = (n == 2 || n == 3) ? -1 : 1;
    const double sy = (n == 3 || n == 4) ? -1 : 1;
    const PathFn bracket = [=](cairo_t* k) {
        cairo_save(k);
        cairo_translate(k, 24, 24);
        cairo_scale(k, sx, sy);
        cairo_move_to(k, -3, 17);
        cairo_line_to(k, -3, -3);
        cairo_line_to(k, 17, -3);
        cairo_restore(k);
    };
    const PathFn body = [=](cairo_t* k) {
        cairo_save(k);
        cairo_translate(k, 24, 24);
        cairo_scale(k, sx, sy);
        roundedRect(k, -6, -6, 6, 26, 3);
        roundedRect(k, -6, -6, 26, 6, 3);
        cairo_restore(k);
    };
    softShape(c, body, coral.withAlpha(0.95), 6);
    stroke(cr, bracket, ember, 7);
    stroke(cr, bracket, coralLight, 4.5);
    stroke(cr, bracket, cream.withAlpha(0.8), 1.5);
    out.tga("picholder" + std::to_string(n) + ".tga", c);
}

void wheelDisc(ArtWriter& out) {
    Canvas c(300, 300);
    cairo_t* cr = c.cr();
    const double cx = 150, cy = 150, r = 146;
    softShape(c, circlePath(cx, cy, r - 2), inkDeep.withAlpha(0.8), 6, 0, 2);
    fill(cr, circlePath(cx, cy, r), ink);
    // The pointer's angle grows clockwise from straight up; the upper half
    // wins, the lower half loses.
    const double inner = r - 12;
    for (int i = 0; i < 16; ++i) {
        const double a0 = pi + i * pi / 8;
        const double a1 = a0 + pi / 8;
        const bool upper = i < 8;
        const bool light = i % 2 == 0;
        const Colour top =
            upper ? (light ? rgb(120, 236, 190) : mint) : (light ? rgb(236, 78, 98) : crimson);
        const Colour rim = upper ? mintDeep : crimsonDeep;
        const PathFn wedge = [=](cairo_t* k) {
            cairo_move_to(k, cx, cy);
            cairo_arc(k, cx, cy, inner, a0, a1);
            cairo_close_path(k);
        };
        fillRadial(cr, wedge, cx, cy, inner, {{0.0, top}, {0.75, top}, {1.0, rim}});
    }
    fillRadial(cr, circlePath(cx, cy, inner), cx, cy - 50, inner * 1.3,
               {{0.0, white.withAlpha(0.22)}, {1.0, white.withAlpha(0.0)}});
    stroke(cr, circlePath(cx, cy, inner), cream.withAlpha(0.9), 2);
    stroke(cr, circlePath(cx, cy, r - 1), teal, 2);
    for (int i = 0; i < 24; ++i) {
        const double a = i * pi / 12;
        const PathFn stud = circlePath(cx + (r - 6) * std::cos(a), cy + (r - 6) * std::sin(a), 2.6);
        fill(cr, stud, cream);
    }
    stroke(
        cr,
        [=](cairo_t* k) {
            cairo_move_to(k, cx - inner, cy);
            cairo_line_to(k, cx + inner, cy);
        },
        cream, 3);
    // The halves' words (centred 66 above and below the middle) are drawn
    // by the game.
    fillRadial(cr, circlePath(cx, cy, 14), cx, cy - 4, 18, {{0.0, inkLight}, {1.0, inkDeep}});
    stroke(cr, circlePath(cx, cy, 13), cream.withAlpha(0.8), 2);
    out.tga("gambleback.tga", c);
}

// The needle turns about the image centre and points up at angle 0.
void wheelPointer(ArtWriter& out) {
    Canvas c(48, 260);
    cairo_t* cr = c.cr();
    const double cx = 24, cy = 130;
    const PathFn needle = [=](cairo_t* k) {
        cairo_move_to(k, cx, 14);
        cairo_line_to(k, cx + 7, cy - 8);
        cairo_line_to(k, cx + 4, cy + 34);
        cairo_line_to(k, cx - 4, cy + 34);
        cairo_line_to(k, cx - 7, cy - 8);
        cairo_close_path(k);
    };
    softShape(c, needle, inkDeep.withAlpha(0.8), 5, 0, 3);
    fillLinear(cr, needle, cx - 7, 0, cx + 7, 0,
               {{0.0, coralLight}, {0.5, cream}, {0.51, coral}, {1.0, coralDeep}});
    stroke(cr, needle, ember, 1.2);
    fillRadial(cr, circlePath(cx, cy, 13), cx - 4, cy - 4, 16, {{0.0, cream}, {1.0, coralDeep}});
    stroke(cr, circlePath(cx, cy, 13), ember, 1.5);
    fill(cr, circlePath(cx, cy, 4), ink);
    out.tga("gamblepointer.tga", c);
}

void sparkle(cairo_t* cr, double x, double y, double size, const Colour& c) {
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double rr = i % 2 == 0 ? size : size * 0.22;
        const double a = -pi / 2 + i * pi / 4;
        if (i == 0) {
            cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        } else {
            cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        }
    }
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

void winBanner(ArtWriter& out, int amount) {
    Canvas c(560, 200);
    cairo_t* cr = c.cr();
    const bool top = amount == 1000000;
    const PathFn shape = roundedRectPath(16, 16, 528, 168, 30);
    softShape(c, shape, (top ? cream : coral).withAlpha(0.9), 14);
    fillLinear(cr, shape, 0, 16, 0, 184, {{0.0, teal}, {0.55, tealDeep}, {1.0, inkDeep}});
    fillRadial(cr, shape, 280, 120, 260,
               {{0.0, coral.withAlpha(top ? 0.45 : 0.3)}, {1.0, coral.withAlpha(0.0)}});
    gloss(cr, shape, 16, 184, 0.12);
    stroke(cr, roundedRectPath(17.5, 17.5, 525, 165, 28.5), cream, 3);
    stroke(cr, roundedRectPath(24, 24, 512, 152, 23), coralLight.withAlpha(0.55), 1.2);
    // The caption over the amount (centred on 280, 54) and the amount
    // (centred on 280, 120) are drawn by the game.
    const std::string value = std::to_string(amount);
    if (top) {
        sparkle(cr, 62, 64, 16, cream);
        sparkle(cr, 498, 64, 16, cream);
        sparkle(cr, 86, 140, 9, coralLight);
        sparkle(cr, 474, 140, 9, coralLight);
    }
    out.tga(value + "win.tga", c);
}

void firework(ArtWriter& out) {
    Canvas c(16, 16);
    fillRadial(c.cr(), [](cairo_t* k) { cairo_rectangle(k, 0, 0, 16, 16); }, 8, 8, 8,
               {{0.0, white},
                {0.25, white.withAlpha(0.85)},
                {0.55, white.withAlpha(0.3)},
                {1.0, white.withAlpha(0.0)}});
    out.tga("Firework.tga", c);
}

} // namespace

void writeGameExtras(ArtWriter& out) {
    pictureBack(out);
    for (int n = 1; n <= 4; ++n) {
        pictureCorner(out, n);
    }
    wheelDisc(out);
    wheelPointer(out);
    for (int amount :
         {1000, 2000, 4000, 8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000}) {
        winBanner(out, amount);
    }
    writeButtonTriple(out, "endbutton", 200, 56, plateButton(6));
    firework(out);
}

} // namespace qv::art
