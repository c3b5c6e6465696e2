// SPDX-License-Identifier: MIT
#pragma once
// Picture riddles that ask for a little reasoning: a chess board, a magic
// square, a Braille cell, a numbered cube net, a painted cube, balance
// scales, a clock in a mirror, star patterns and the rails that fool the
// eye. Each paints a whole canvas.

#include "content/pictures/Canvas.h"

#include <string_view>

namespace qv::pictures {

enum class Constellation { Cassiopeia, Cygnus };

// An 8 x 8 board with a knight on the square of `file` (0 = a) and `rank`
// (1 to 8), that square coloured gold.
void drawKnightBoard(Canvas& canvas, int file, int rank);
// A 3 x 3 grid of numbers read row by row; 0 shows a question mark.
void drawNumberSquare(Canvas& canvas, const int (&cells)[9]);
// One Braille cell; `dots` holds '1' for each raised dot, in Braille's
// numbering (1 to 3 down the left column, 4 to 6 down the right).
void drawBrailleCell(Canvas& canvas, std::string_view dots);
// A cross-shaped cube net: a row of four faces with one face above and one
// below the second; `faces` gives their numbers in the order row left to
// right, then above, then below.
void drawNumberedCubeNet(Canvas& canvas, const int (&faces)[6]);
// A 3 x 3 x 3 cube of small cubes, painted on its outside.
void drawPaintedCube(Canvas& canvas);
// Two balanced scales: one circle against two squares, one triangle
// against two circles.
void drawBalances(Canvas& canvas);
// A clock showing `hour`:`minute` as a mirror shows it.
void drawMirroredClock(Canvas& canvas, int hour, int minute);
void drawConstellation(Canvas& canvas, Constellation which);
// Two equal bars across rails that run together into the distance.
void drawRails(Canvas& canvas);

} // namespace qv::pictures
