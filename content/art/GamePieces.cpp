// SPDX-License-Identifier: MIT
#include "content/art/GamePieces.h"

#include "content/art/Icons.h"
#include "content/art/Layout.h"
#include "content/art/Paint.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qv::art {

using namespace palette;
namespace L = layout;

namespace {

constexpr Icon helpIcons[4] = {Icon::Take, Icon::Joker, Icon::Clue, Icon::Gamble};

// Resting plates are dark glass with a light rim; they sit on the bright
// stage of the background.
void darkPlate(const Canvas& canvas, double x, double y, double w, double h, double r) {
    cairo_t* cr = canvas.cr();
    const PathFn shape = roundedRectPath(x, y, w, h, r);
    softShape(canvas, shape, inkDeep.withAlpha(0.55), 6, 0, 2);
    fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, inkLight}, {1.0, ink}});
    gloss(cr, shape, y, y + h, 0.07);
    stroke(cr, roundedRectPath(x + 0.75, y + 0.75, w - 1.5, h - 1.5, r - 0.75),
           rgb(236, 238, 238, 0.55), 1.5);
}

// The pointed-at look: the resting dark glass under a bright double rim and
// a cool glow. A locked-in plate is filled coral instead, so the two differ in
// form (a ring against a filled plate) as well as in colour.
void pointedPlate(const Canvas& canvas, double x, double y, double w, double h, double r) {
    cairo_t* cr = canvas.cr();
    const PathFn shape = roundedRectPath(x, y, w, h, r);
    softShape(canvas, shape, tealBright.withAlpha(0.95), 5);
    darkPlate(canvas, x, y, w, h, r);
    stroke(cr, roundedRectPath(x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5), cream, 3.0);
    stroke(cr, roundedRectPath(x + 5, y + 5, w - 10, h - 10, std::max(2.0, r - 5)),
           tealBright.withAlpha(0.9), 1.4);
}

void openBadge(const Canvas& canvas, const Colour& ring) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    fill(cr, circlePath(L::badgeX, L::badgeY, L::badgeRadius), black);
    cairo_restore(cr);
    stroke(cr, circlePath(L::badgeX, L::badgeY, L::badgeRadius + 1.2), ring, 2.2);
}

void plateShapeFill(const Canvas& canvas, const Colour& glow, const Colour& top, const Colour& mid,
                    const Colour& bottom, const Colour& rim) {
    cairo_t* cr = canvas.cr();
    const double x = L::plateInset;
    const double y = L::plateInset;
    const double w = L::plateWidth - 2 * L::plateInset;
    const double h = L::plateHeight - 2 * L::plateInset;
    const PathFn shape = roundedRectPath(x, y, w, h, L::plateRadius);
    softShape(canvas, shape, glow, 6);
    fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, top}, {0.5, mid}, {1.0, bottom}});
    gloss(cr, shape, y, y + h, 0.3);
    stroke(cr, roundedRectPath(x + 1, y + 1, w - 2, h - 2, L::plateRadius - 1), rim, 2.0);
}

} // namespace

void paintAnswerPlate(const Canvas& canvas, Look look, int answer) {
    const double x = L::plateInset;
    const double y = L::plateInset;
    const double w = L::plateWidth - 2 * L::plateInset;
    const double h = L::plateHeight - 2 * L::plateInset;
    if (look == Look::Resting) {
        cairo_t* cr = canvas.cr();
        darkPlate(canvas, x, y, w, h, L::plateRadius);
        const PathFn badge = circlePath(L::badgeX, L::badgeY, L::badgeRadius);
        fillRadial(cr, badge, L::badgeX, L::badgeY - 6, L::badgeRadius * 1.4,
                   {{0.0, rgb(70, 84, 98)}, {1.0, rgb(30, 42, 56)}});
        stroke(cr, badge, rgb(236, 238, 238, 0.7), 1.4);
        fill(cr,
             textShape(L::answerLetters[static_cast<std::size_t>(answer)], Font{19, true},
                       L::badgeX, L::badgeY, Align::Centre),
             rgb(246, 246, 244));
        return;
    }
    if (look == Look::Hilight) {
        pointedPlate(canvas, x, y, w, h, L::plateRadius);
        openBadge(canvas, cream);
        return;
    }
    paintPlate(canvas, look, x, y, w, h, L::plateRadius);
    openBadge(canvas, coralLight);
}

void paintCorrectPlate(const Canvas& canvas) {
    plateShapeFill(canvas, mint.withAlpha(0.95), rgb(130, 240, 196), mint, mintDeep,
                   rgb(225, 255, 240));
    openBadge(canvas, rgb(225, 255, 240));
}

void paintHelpButton(const Canvas& canvas, Look look, int button) {
    const double x = L::helpInset;
    const double y = L::helpInset;
    const double w = L::helpWidth - 2 * L::helpInset;
    const double h = L::helpHeight - 2 * L::helpInset;
    // Labels in near-white and large enough to read from a sofa.
    Colour ink = rgb(250, 250, 248);
    if (look == Look::Resting) {
        darkPlate(canvas, x, y, w, h, L::helpRadius);
    } else if (look == Look::Hilight) {
        pointedPlate(canvas, x, y, w, h, L::helpRadius);
        ink = white;
    } else {
        paintPlate(canvas, look, x, y, w, h, L::helpRadius);
        ink = labelColour(look);
    }
    const double drop = look == Look::Pressed ? 1 : 0;
    const double cx = L::helpWidth / 2.0;
    // The name under the icon (centred on 42) is drawn by the game.
    paintIcon(canvas, helpIcons[button], cx, 19 + drop, ink);
}

void paintCrossedButton(const Canvas& canvas, int button) {
    cairo_t* cr = canvas.cr();
    const double x = L::helpInset;
    const double y = L::helpInset;
    const double w = L::helpWidth - 2 * L::helpInset;
    const double h = L::helpHeight - 2 * L::helpInset;
    const PathFn shape = roundedRectPath(x, y, w, h, L::helpRadius);
    fillLinear(cr, shape, 0, y, 0, y + h, {{0.0, rgb(40, 30, 38)}, {1.0, inkDeep}});
    stroke(cr, roundedRectPath(x + 0.75, y + 0.75, w - 1.5, h - 1.5, L::helpRadius - 0.75),
           crimson.withAlpha(0.6), 1.5);
    const double cx = L::helpWidth / 2.0;
    paintIcon(canvas, helpIcons[button], cx, 20, rgb(120, 110, 116));
    const PathFn cross = [&](cairo_t* c) {
        cairo_move_to(c, cx - 22, 12);
        cairo_line_to(c, cx + 22, 44);
        cairo_move_to(c, cx + 22, 12);
        cairo_line_to(c, cx - 22, 44);
    };
    // The glow is blurred from a filled shape: the two bars as rotated pills.
    const PathFn crossBody = [&](cairo_t* c) {
        const double len = std::hypot(44.0, 32.0) + 8;
        const double angle = std::atan2(32.0, 44.0);
        for (double a : {angle, -angle}) {
            cairo_save(c);
            cairo_translate(c, cx, 28);
            cairo_rotate(c, a);
            roundedRect(c, -len / 2, -4, len, 8, 4);
            cairo_restore(c);
        }
    };
    softShape(canvas, crossBody, crimson.withAlpha(0.9), 4);
    stroke(cr, cross, crimsonDeep, 7);
    stroke(cr, cross, crimson, 4.5);
}

void paintRung(const Canvas& canvas, int question, bool lit) {
    cairo_t* cr = canvas.cr();
    const double x = L::rungInset;
    const double y = L::rungInset;
    const double w = L::rungWidth - 2 * L::rungInset;
    const double h = L::rungHeight - 2 * L::rungInset;
    const double cy = L::rungHeight / 2.0;
    const bool safe = L::guaranteed(question);
    const bool top = question == 15;
    Colour number = rgb(150, 156, 160);
    if (lit) {
        paintPlate(canvas, Look::Hilight, x, y, w, h, h / 2);
        if (safe || top) {
            stroke(cr, roundedRectPath(x + 2.5, y + 2.5, w - 5, h - 5, h / 2 - 2.5), white, 1.6);
        }
        number = rgb(255, 226, 206);
    } else if (safe || top) {
        stroke(cr, roundedRectPath(x + 1, y + 1, w - 2, h - 2, h / 2 - 1), rgb(236, 238, 238, 0.45),
               1.3);
    }
    fill(cr, textShape(std::to_string(question), Font{15, true}, L::rungNumberX, cy, Align::Left),
         number);
    if (safe || top) {
        // A diamond marks the amounts a player keeps whatever happens next.
        cairo_new_path(cr);
        cairo_move_to(cr, L::rungMarkX, cy - 6);
        cairo_line_to(cr, L::rungMarkX + 6, cy);
        cairo_line_to(cr, L::rungMarkX, cy + 6);
        cairo_line_to(cr, L::rungMarkX - 6, cy);
        cairo_close_path(cr);
        setColour(cr, lit ? white : rgb(236, 238, 238));
        cairo_fill(cr);
    }
    // The amount (ending at rungAmountRight) is drawn by the game, grouped
    // as the player's language writes amounts.
}

void writeGamePieces(ArtWriter& out) {
    {
        Canvas c(L::plateWidth, L::plateHeight);
        paintAnswerPlate(c, Look::Hilight, 0);
        out.tga("AnswerButtonHilight.tga", c);
    }
    {
        Canvas c(L::plateWidth, L::plateHeight);
        paintAnswerPlate(c, Look::Pressed, 0);
        out.tga("AnswerButtonOn.tga", c);
    }
    {
        Canvas c(L::plateWidth, L::plateHeight);
        paintCorrectPlate(c);
        out.tga("AnswerCorrect.tga", c);
    }
    const char* hilight[4] = {"takewinningsHilight.tga", "jokerbuttonhilight.tga",
                              "cluebuttonhilight.tga", "gamblebuttonhilight.tga"};
    const char* pressed[4] = {"takewinningson.tga", "jokerbuttonon.tga", "cluebuttonon.tga",
                              "gamblebuttonon.tga"};
    const char* crossed[4] = {nullptr, "JokerCrossed.tga", "ClueCrossed.tga", "GambleCrossed.tga"};
    for (int b = 0; b < 4; ++b) {
        Canvas h(L::helpWidth, L::helpHeight);
        paintHelpButton(h, Look::Hilight, b);
        out.tga(hilight[b], h);
        Canvas p(L::helpWidth, L::helpHeight);
        paintHelpButton(p, Look::Pressed, b);
        out.tga(pressed[b], p);
        if (crossed[b] != nullptr) {
            Canvas x(L::helpWidth, L::helpHeight);
            paintCrossedButton(x, b);
            out.tga(crossed[b], x);
        }
    }
    for (int q = 1; q <= 15; ++q) {
        Canvas c(L::rungWidth, L::rungHeight);
        paintRung(c, q, true);
        out.tga(std::to_string(L::prizes[static_cast<std::size_t>(q - 1)]) + ".tga", c);
    }
}

} // namespace qv::art
