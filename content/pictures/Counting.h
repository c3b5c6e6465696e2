// SPDX-License-Identifier: MIT
#pragma once
// Pictures to count and to read: scattered objects, tally marks, Morse
// signals, rows of lamps and single symbols or lines of text on a card.

#include "content/pictures/Canvas.h"

#include <string_view>

namespace qv::pictures {

// One object per letter, laid out in rows: 's' star, 'b' balloon,
// 't' triangle, 'c' circle, 'q' square.
void drawObjects(Canvas& canvas, std::string_view layout);
void drawTally(Canvas& canvas, int count);
// Dots '.' and dashes '-'; a space separates letters.
void drawMorse(Canvas& canvas, std::string_view signal);
// One lamp per character: '1' lit, '0' dark.
void drawLamps(Canvas& canvas, std::string_view pattern);
// UTF-8 text centred on a card, in a face that has the symbol glyphs.
void drawCard(Canvas& canvas, const char* text, double size, bool serif = false);
// The three-dot sign for "therefore" on a card, with round dots whatever the face.
void drawThereforeCard(Canvas& canvas);

} // namespace qv::pictures
