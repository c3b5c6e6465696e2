// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"
#include "content/art/Canvas.h"
#include "content/art/Paint.h"

#include <functional>
#include <string>

namespace qv::art {

// The three looks every button has: at rest, under the pointer (brighter, with
// a glow) and pressed (deeper, sunk in).
enum class Look { Resting, Hilight, Pressed };

// A button plate filling (x, y, w, h) with corner radius r; the glow of the
// hilight look spreads into whatever margin the canvas leaves around it.
void paintPlate(const Canvas& canvas, Look look, double x, double y, double w, double h, double r);
// The colour a label takes on a plate of this look.
Colour labelColour(Look look);
// A label with a faint shadow, centred on (cx, cy); the pressed look sits one
// pixel lower.
void paintLabel(const Canvas& canvas, Look look, const std::string& text, const Font& font,
                double cx, double cy);

using ButtonPainter = std::function<void(const Canvas&, Look)>;

// Writes base + "off.tga", base + "hilight.tga" and base + "on.tga", all w × h.
void writeButtonTriple(ArtWriter& out, const std::string& base, int w, int h,
                       const ButtonPainter& paint);
// A pill-shaped button plate, inset `margin` pixels for its glow. Its label
// is drawn on it by the game at run time, in the player's language.
ButtonPainter plateButton(double margin = 4);

} // namespace qv::art
