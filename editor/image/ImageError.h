// SPDX-License-Identifier: MIT
#pragma once

namespace qv::image {

// Why an image could not be read or written. None means success.
enum class ImageError {
    None,
    CannotRead,    // the file could not be opened or read
    CannotWrite,   // the target file could not be written
    UnknownFormat, // the content matches no format we read
    Truncated,     // the data ends before the image does
    BadHeader,     // a header field is out of its range or contradicts another
    TooLarge,      // over the size limits, or the size arithmetic would overflow
    Corrupt,       // the compressed data is malformed (bad code, overrun, library error)
    Unsupported,   // a valid variant of the format that we do not read
    OutOfMemory,   // an allocation failed
};

// A short English name for logs and test output ("Truncated").
const char* imageErrorName(ImageError error);

} // namespace qv::image
