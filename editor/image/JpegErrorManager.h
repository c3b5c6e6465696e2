// SPDX-License-Identifier: MIT
#pragma once

#include "editor/image/ImageError.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio> // jpeglib.h needs FILE and size_t first

#include <jpeglib.h>

namespace qv::image {

// libjpeg's error manager with a jump target: libjpeg's fatal errors (and the
// warnings that mean the data is damaged) come back to the setjmp of the
// function that drives libjpeg, instead of ending the program. Nothing is
// printed. Plain data, so that it may live across the jump.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    ImageError error;
};

// Sets up `manager` and returns the pointer to store in the struct's `err`.
jpeg_error_mgr* installJpegErrors(JpegErrorManager& manager);

} // namespace qv::image
