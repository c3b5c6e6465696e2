// SPDX-License-Identifier: MIT
#pragma once
// Shapes in space and tricks of the eye: the shadows a solid casts, the
// nets that fold into solids, optical illusions, the Moon's phases and a
// ringed planet. Each paints a whole canvas.

#include "content/pictures/Canvas.h"

namespace qv::pictures {

enum class Outline2d { Circle, Square, Triangle, TallRectangle, WideRectangle };
enum class Net { Cube, SquarePyramid, TriangularPrism };

// Two shadows of one solid: the one it casts seen from above, on the left,
// and the one seen from the side, on the right.
void drawShadows(Canvas& canvas, Outline2d above, Outline2d side);
void drawNet(Canvas& canvas, Net net);
// Two equal lines, one with outward arrow tips and one with inward tips.
void drawArrowLines(Canvas& canvas);
// Two equal circles, one ringed by large circles and one by small ones.
void drawRingedCircles(Canvas& canvas);
// `lit` from 0 (new) to 1 (full); `rightLit` for the side that shines.
void drawMoon(Canvas& canvas, double lit, bool rightLit);
void drawRingedPlanet(Canvas& canvas);
void drawRectangle(Canvas& canvas);

} // namespace qv::pictures
