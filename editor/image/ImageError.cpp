// SPDX-License-Identifier: MIT
#include "editor/image/ImageError.h"

namespace qv::image {

const char* imageErrorName(ImageError error) {
    switch (error) {
    case ImageError::None:
        return "None";
    case ImageError::CannotRead:
        return "CannotRead";
    case ImageError::CannotWrite:
        return "CannotWrite";
    case ImageError::UnknownFormat:
        return "UnknownFormat";
    case ImageError::Truncated:
        return "Truncated";
    case ImageError::BadHeader:
        return "BadHeader";
    case ImageError::TooLarge:
        return "TooLarge";
    case ImageError::Corrupt:
        return "Corrupt";
    case ImageError::Unsupported:
        return "Unsupported";
    case ImageError::OutOfMemory:
        return "OutOfMemory";
    }
    return "Unknown";
}

} // namespace qv::image
