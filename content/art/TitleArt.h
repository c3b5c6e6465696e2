// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"
#include "content/art/Canvas.h"

namespace qv::art {

// The game's emblem (a question mark in a speech bubble on a teal tile),
// centred on (cx, cy) with the given width.
void paintEmblem(const Canvas& canvas, double cx, double cy, double size);

// A wide heading in cream with a coral glow, centred on (cx, cy).
void paintHeading(const Canvas& canvas, const char* text, double size, double cx, double cy);

// A dark translucent panel that keeps text readable over the moving backdrop.
void paintScrim(const Canvas& canvas, double x, double y, double w, double h);

// The swirl behind the menus ("big.bmp"), the title and new-game art, the menu
// buttons, the player-count arrows, the OK button and the program icon.
void writeTitleArt(ArtWriter& out);

} // namespace qv::art
