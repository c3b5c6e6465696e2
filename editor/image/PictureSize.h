// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace qv::image {

// The box a question's picture must fit in.
inline constexpr std::uint32_t kPictureMaxWidth = 680;
inline constexpr std::uint32_t kPictureMaxHeight = 275;

struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The two shrink steps of a picture import. The first step fits the width,
// the second then fits the height; each scales both sides by one factor in
// double precision and truncates. A step that does nothing leaves its size
// equal to the one before.
struct ShrinkSteps {
    PictureSize source;
    PictureSize afterWidth;
    PictureSize afterHeight;

    bool shrinks() const { return !(afterHeight == source); }
};

// Works out the shrink for a picture of `width` x `height`. A side never
// drops below one pixel: a picture 16000 wide and 10 high keeps one row.
ShrinkSteps planShrink(std::uint32_t width, std::uint32_t height,
                       std::uint32_t maxWidth = kPictureMaxWidth,
                       std::uint32_t maxHeight = kPictureMaxHeight);

} // namespace qv::image
