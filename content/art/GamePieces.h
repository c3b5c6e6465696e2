// SPDX-License-Identifier: MIT
#pragma once

#include "content/art/ArtWriter.h"
#include "content/art/ButtonArt.h"
#include "content/art/Canvas.h"

namespace qv::art {

// The answer plates, take and help buttons and ladder rungs of the game
// screen. Their resting looks are painted into the background by the same
// functions that paint the lit images, so both line up to the pixel.

// Answer plate in the given look with its image's top-left at the context's
// origin; the resting look carries the letter, the others leave the letter's
// badge open so the letter beneath shows through.
void paintAnswerPlate(const Canvas& canvas, Look look, int answer);
// The plate of the right answer, lit in mint.
void paintCorrectPlate(const Canvas& canvas);
// Take (0) and the three help buttons (1 to 3), top-left at the origin.
void paintHelpButton(const Canvas& canvas, Look look, int button);
// A spent help option: the button dimmed and crossed out in crimson.
void paintCrossedButton(const Canvas& canvas, int button);
// Question q's rung (1 to 15): lit, or as the dim row painted on the ladder.
void paintRung(const Canvas& canvas, int question, bool lit);

// Writes every answer, help and rung image of the game screen.
void writeGamePieces(ArtWriter& out);

} // namespace qv::art
