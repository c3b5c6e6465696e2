// SPDX-License-Identifier: MIT
#pragma once
// Large blocks of SDL's memory (the pixels of pictures, surfaces and the
// software renderer's textures) come straight from the system, in huge pages
// where it has them.
//
// A 2048 x 1536 picture passes through several such blocks as it loads
// (decoded, converted, copied into its texture), each touched page by page
// for the first time: with 4 KB pages that is thousands of page faults per
// picture, most of the start-up time at 1920 x 1080. A block of its own,
// marked for huge pages, takes one fault per 2 MB, and comes zeroed, so
// SDL_calloc need not clear it.

namespace qv {

// Puts SDL's memory functions in place. Call before anything else uses SDL
// (memory SDL allocated earlier could not be freed); returns false and
// changes nothing when SDL has allocated already.
bool useLargeBlocksForSdl();

} // namespace qv
