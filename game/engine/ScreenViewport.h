// SPDX-License-Identifier: MIT
#pragma once
// Opening the renderer's viewport to the whole output for a moment (to draw
// the bars beside the screen, or to read the frame) and closing it again.

#include <SDL.h>

namespace qv {

// Puts back the viewport read with SDL_RenderGetViewport before it was
// opened. Under a logical size the viewport is placed again from that size:
// the rectangle SDL gives back is in logical pixels, rounded down, and
// setting it would move the screen by up to one output pixel (240 -> 239 at
// 1920 x 1080).
inline void restoreViewport(SDL_Renderer* renderer, const SDL_Rect& viewport) {
    int logicalWidth = 0;
    int logicalHeight = 0;
    SDL_RenderGetLogicalSize(renderer, &logicalWidth, &logicalHeight);
    if (logicalWidth > 0 && logicalHeight > 0) {
        SDL_RenderSetLogicalSize(renderer, logicalWidth, logicalHeight);
    } else {
        SDL_RenderSetViewport(renderer, &viewport);
    }
}

} // namespace qv
