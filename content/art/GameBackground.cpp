// SPDX-License-Identifier: MIT
#include "content/art/GameBackground.h"

#include "content/art/ButtonArt.h"
#include "content/art/GamePieces.h"
#include "content/art/Icons.h"
#include "content/art/Layout.h"
#include "content/art/Paint.h"

#include <cmath>

namespace qv::art {

using namespace palette;
namespace L = layout;

namespace {

constexpr double pi = 3.14159265358979323846;

const Colour lightNeutral = rgb(238, 240, 240);

// The stage fills the whole canvas; the screen's left edge lies at `left` on
// it (0 for the screen itself, further in for the wider picture that carries
// the stage on beside a screen of another shape).
void stage(const Canvas& canvas, double left = 0) {
    cairo_t* cr = canvas.cr();
    const double width = canvas.width();
    const PathFn all = [width](cairo_t* c) { cairo_rectangle(c, 0, 0, width, 768); };
    fillLinear(cr, all, 0, 0, 0, 768,
               {{0.0, rgb(178, 184, 188)}, {0.45, rgb(214, 218, 220)}, {1.0, rgb(160, 166, 172)}});
    // Beams from above the stage, soft-edged.
    const double sx = left + L::stageCentre.x;
    for (int i = -3; i <= 3; ++i) {
        const double spread = 0.085;
        const double a = i * 0.22;
        const PathFn beam = [=](cairo_t* c) {
            cairo_move_to(c, sx + i * 30, -40);
            cairo_line_to(c, sx + 900 * std::sin(a - spread), 900 * std::cos(a - spread));
            cairo_line_to(c, sx + 900 * std::sin(a + spread), 900 * std::cos(a + spread));
            cairo_close_path(c);
        };
        softShape(canvas, beam, white.withAlpha(0.3), 18);
    }
    fillRadial(
        cr, all, sx, L::stageCentre.y, 470,
        {{0.0, white.withAlpha(0.75)}, {0.55, white.withAlpha(0.25)}, {1.0, white.withAlpha(0.0)}});
    // Faint rings on the floor of the stage.
    cairo_save(cr);
    cairo_translate(cr, sx, L::stageCentre.y + 10);
    cairo_scale(cr, 1.0, 0.62);
    for (int r = 90; r <= 560; r += 48) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, r, 0, 2 * pi);
        setColour(cr, rgb(255, 255, 255, 0.34 - r * 0.0005));
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// A dark panel behind a line of text, with a round badge for its icon.
void textPanel(const Canvas& canvas, double x, double y, double w, double h, Icon icon,
               double badgeX) {
    cairo_t* cr = canvas.cr();
    const PathFn shape = roundedRectPath(x, y, w, h, std::min(h / 2, 26.0));
    softShape(canvas, shape, inkDeep.withAlpha(0.5), 10, 0, 3);
    fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, inkLight.withAlpha(0.94)}, {1.0, ink}});
    gloss(cr, shape, y, y + h, 0.06);
    stroke(cr, roundedRectPath(x + 0.75, y + 0.75, w - 1.5, h - 1.5, std::min(h / 2, 26.0) - 0.75),
           lightNeutral.withAlpha(0.5), 1.5);
    const double cy = y + h / 2;
    const double r = std::min(h / 2 - 5, 20.0);
    const PathFn badge = circlePath(badgeX, cy, r);
    fillRadial(cr, badge, badgeX, cy - r * 0.4, r * 1.4,
               {{0.0, rgb(80, 94, 106)}, {1.0, rgb(34, 46, 60)}});
    stroke(cr, badge, lightNeutral.withAlpha(0.7), 1.4);
    paintIcon(canvas, icon, badgeX, cy, lightNeutral, r / 17.0);
}

void ladder(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double x = L::rungX - L::rungWidth / 2.0 - 5;
    const double top = L::rungY(15) - L::rungHeight / 2.0 - 10;
    const double bottom = L::rungY(1) + L::rungHeight / 2.0 + 10;
    const PathFn shape = roundedRectPath(x, top, L::rungWidth + 10, bottom - top, 22);
    softShape(canvas, shape, inkDeep.withAlpha(0.55), 12, 0, 4);
    fillLinear(cr, shape, x, 0, x + L::rungWidth + 10, 0,
               {{0.0, inkLight.withAlpha(0.95)}, {1.0, ink}});
    stroke(cr, roundedRectPath(x + 0.75, top + 0.75, L::rungWidth + 8.5, bottom - top - 1.5, 21),
           lightNeutral.withAlpha(0.5), 1.5);
    for (int q = 1; q <= 15; ++q) {
        const double left = L::rungX - L::rungWidth / 2.0;
        const double rungTop = L::rungY(q) - L::rungHeight / 2.0;
        if (q > 1) {
            cairo_new_path(cr);
            cairo_move_to(cr, left + 14, rungTop + L::rungHeight + 1.5);
            cairo_line_to(cr, left + L::rungWidth - 14, rungTop + L::rungHeight + 1.5);
            setColour(cr, lightNeutral.withAlpha(0.08));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, left, rungTop);
        paintRung(canvas, q, false);
        cairo_restore(cr);
    }
}

void paintBack(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    stage(canvas);
    // Player label (text from x 100, centred on y 66, large bold face).
    textPanel(canvas, 24, L::playerLabel.y - 32, 560, 64, Icon::Player, 60);
    // Host line.
    textPanel(canvas, 24, L::hostLine.y - 24, 748, 48, Icon::Host, 50);
    // Question: up to two lines centred on y 582.
    textPanel(canvas, 24, L::questionLine.y - 46, 750, 92, Icon::Question, 60);
    for (int a = 0; a < 4; ++a) {
        cairo_save(cr);
        const auto& c = L::plateCentres[static_cast<std::size_t>(a)];
        cairo_translate(cr, c.x - L::plateWidth / 2, c.y - L::plateHeight / 2);
        paintAnswerPlate(canvas, Look::Resting, a);
        cairo_restore(cr);
    }
    for (int b = 0; b < 4; ++b) {
        cairo_save(cr);
        cairo_translate(cr, L::helpX[static_cast<std::size_t>(b)] - L::helpWidth / 2,
                        L::helpY - L::helpHeight / 2);
        paintHelpButton(canvas, Look::Resting, b);
        cairo_restore(cr);
    }
    ladder(canvas);
}

// Deep teal drawn in from the edges, leaving the middle clear, with a fine
// cream line just inside the border.
void paintFrame(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, 512, 384);
    cairo_scale(cr, 1.0, 0.78);
    fillRadial(cr, [](cairo_t* c) { cairo_rectangle(c, -600, -600, 1200, 1200); }, 0, 0, 700,
               {{0.0, tealDeep.withAlpha(0.0)},
                {0.62, tealDeep.withAlpha(0.0)},
                {0.86, tealDeep.withAlpha(0.38)},
                {1.0, inkDeep.withAlpha(0.72)}});
    cairo_restore(cr);
    const PathFn border = [](cairo_t* c) {
        cairo_rectangle(c, 0, 0, 1024, 768);
        roundedRect(c, 4, 4, 1016, 760, 14);
        cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
    };
    fillLinear(cr, border, 0, 0, 0, 768, {{0.0, teal}, {1.0, tealDeep}});
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    stroke(cr, roundedRectPath(4.5, 4.5, 1015, 759, 14), cream.withAlpha(0.55), 1.2);
}

} // namespace

void writeGameBackground(ArtWriter& out) {
    {
        Canvas back(L::screenWidth, L::screenHeight);
        paintBack(back);
        out.bmp("Back.bmp", back);
    }
    // The stage alone, carried on to either side of the screen: what a
    // window wider than the screen shows beside it. Soft light and lines on
    // the edges of the screen need no more detail than this.
    if (Canvas::detail() == 1) {
        Canvas wide(L::screenWidth + 2 * L::wideMargin, L::screenHeight);
        stage(wide, L::wideMargin);
        out.bmp("wide/Back.bmp", wide);
    }
    {
        Canvas frame(L::screenWidth, L::screenHeight);
        paintFrame(frame);
        out.tga("Backframe.tga", frame);
    }
}

} // namespace qv::art
