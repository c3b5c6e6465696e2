// SPDX-License-Identifier: MIT
#include "content/art/ScreenArt.h"

#include "content/art/ButtonArt.h"
#include "content/art/Layout.h"
#include "content/art/Paint.h"
#include "content/art/TitleArt.h"

namespace qv::art {

using namespace palette;

namespace {

// A lighter strip behind one row of controls.
void row(const Canvas& c, double x, double y, double w, double h) {
    const PathFn shape = roundedRectPath(x, y, w, h, h / 2);
    fill(c.cr(), shape, white.withAlpha(0.06));
    stroke(c.cr(), roundedRectPath(x + 0.5, y + 0.5, w - 1, h - 1, h / 2 - 0.5),
           cream.withAlpha(0.18), 1);
}

// Texts the screen prints: "Sound effects ON" from (392, 392) beside the
// off and on buttons at x 262 and 332, and the set's name from (472, 544)
// beside the change-set button at x 342. The panel is centred on the screen.
void settings(ArtWriter& out) {
    Canvas c(layout::screenWidth, layout::screenHeight);
    // The heading (centred on 512, 200) and the rows' captions (from 230, 342
    // and 244, 494) are drawn by the game.
    // Down to the language row (y 640) above OK.
    paintScrim(c, 172, 300, 680, 364);
    row(c, 212, 364, 610, 56);
    row(c, 226, 514, 600, 60);
    out.tga("settings.tga", c);
}

// Result lines start at x 314, 32 pixels inside the panel centred on the
// screen.
void gameOver(ArtWriter& out) {
    Canvas c(layout::screenWidth, layout::screenHeight);
    // The heading (centred on 512, 190) and the panel's caption (centred on
    // 512, 318) are drawn by the game.
    paintScrim(c, 282, 290, 460, 346);
    out.tga("gameover.tga", c);
}

// A blank key cap: the game writes the answer's key on it in the player's
// language.
void keyCap(const Canvas& c, double cx, double cy) {
    const PathFn cap = roundedRectPath(cx - 22, cy - 22, 44, 44, 9);
    softShape(c, cap, inkDeep.withAlpha(0.8), 4, 0, 3);
    fillLinear(c.cr(), cap, 0, cy - 22, 0, cy + 22, {{0.0, cream}, {1.0, creamDim}});
    stroke(c.cr(), roundedRectPath(cx - 17, cy - 19, 34, 32, 6), white.withAlpha(0.7), 1.2);
}

void quit(ArtWriter& out) {
    Canvas c(layout::screenWidth, layout::screenHeight);
    fill(
        c.cr(), [](cairo_t* k) { cairo_rectangle(k, 0, 0, 1024, 768); }, inkDeep.withAlpha(0.66));
    const PathFn panel = roundedRectPath(232, 274, 560, 220, 30);
    softShape(c, panel, coral.withAlpha(0.6), 18);
    fillLinear(c.cr(), panel, 0, 274, 0, 494, {{0.0, teal}, {0.6, tealDeep}, {1.0, inkDeep}});
    gloss(c.cr(), panel, 274, 494, 0.1);
    stroke(c.cr(), roundedRectPath(233.5, 275.5, 557, 217, 28.5), cream.withAlpha(0.85), 2.5);
    // The question (centred on 512, 334), the keys' letters and the answers
    // beside them (from 372 and 570, at y 420) are drawn by the game.
    keyCap(c, 338, 420);
    keyCap(c, 536, 420);
    out.tga("quit.tga", c);
}

// The pointer is placed by its image centre, so the arrow's tip is drawn
// exactly there and the arrow fills the lower right quarter.
void mouseArrow(ArtWriter& out) {
    Canvas c(64, 64);
    const PathFn arrow = [](cairo_t* k) {
        cairo_save(k);
        cairo_translate(k, 32, 32);
        cairo_scale(k, 1.15, 1.15);
        cairo_move_to(k, 0, 0);
        cairo_line_to(k, 0, 22);
        cairo_line_to(k, 5.5, 17);
        cairo_line_to(k, 9.5, 25.5);
        cairo_line_to(k, 13.2, 23.8);
        cairo_line_to(k, 9.2, 15.6);
        cairo_line_to(k, 16.2, 15.6);
        cairo_close_path(k);
        cairo_restore(k);
    };
    softShape(c, arrow, inkDeep.withAlpha(0.7), 3, 2, 3);
    fillLinear(c.cr(), arrow, 32, 32, 50, 60, {{0.0, white}, {1.0, cream}});
    cairo_new_path(c.cr());
    arrow(c.cr());
    setColour(c.cr(), ink);
    cairo_set_line_width(c.cr(), 1.8);
    cairo_set_line_join(c.cr(), CAIRO_LINE_JOIN_MITER);
    cairo_stroke(c.cr());
    out.tga("mousearrow.tga", c);
}

} // namespace

void writeScreenArt(ArtWriter& out) {
    settings(out);
    writeButtonTriple(out, "offbutton", 64, 40, plateButton(3));
    writeButtonTriple(out, "onbutton", 64, 40, plateButton(3));
    writeButtonTriple(out, "changeqsetbutton", 200, 44, plateButton());
    gameOver(out);
    quit(out);
    mouseArrow(out);
}

} // namespace qv::art
