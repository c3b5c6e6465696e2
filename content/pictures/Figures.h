// SPDX-License-Identifier: MIT
#pragma once
// The drawn figures of the picture questions: clocks, fractions, shapes,
// dice, counting puzzles, paint and light mixes. Each paints a whole canvas.

#include "content/pictures/Canvas.h"

namespace qv::pictures {

// The palette shared by every figure.
inline constexpr Rgb cream = hex(0xF7EEDC);
inline constexpr Rgb coral = hex(0xF2795B);
inline constexpr Rgb mint = hex(0x6FD1A8);
inline constexpr Rgb ink = hex(0x14232B);
inline constexpr Rgb gold = hex(0xF2C14E);

// Text centred on (x, y) in Liberation Sans.
void centredText(cairo_t* cr, const char* text, double x, double y, double size, bool bold);

void drawClock(Canvas& canvas, int hour, int minute);
// A circle cut into `slices` equal slices, the first `shaded` of them coloured.
void drawPie(Canvas& canvas, int slices, int shaded);
void drawRegularPolygon(Canvas& canvas, int sides);
// A compass rose with an arrow pointing `degrees` clockwise from north.
void drawCompass(Canvas& canvas, double degrees);
// Two rays meeting at a marked angle of `degrees`.
void drawAngle(Canvas& canvas, double degrees);

void drawTwoDice(Canvas& canvas, int left, int right);
void drawOneDie(Canvas& canvas, int face);
// Triangular dot patterns of 1, 3, 6 and 10 dots, then a question mark.
void drawTriangleNumbers(Canvas& canvas);
// A triangle split by lines from its apex into `parts` slices.
void drawSplitTriangle(Canvas& canvas, int parts);
void drawSquareGrid(Canvas& canvas, int cells);
void drawPaintMix(Canvas& canvas, Rgb first, Rgb second);
void drawLightMix(Canvas& canvas, Rgb first, Rgb second);

} // namespace qv::pictures
