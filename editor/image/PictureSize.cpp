// SPDX-License-Identifier: MIT
#include "editor/image/PictureSize.h"

namespace qv::image {
namespace {

std::uint32_t scaled(std::uint32_t side, double scale) {
    const auto v = static_cast<std::uint32_t>(static_cast<double>(side) * scale);
    return v == 0 ? 1 : v;
}

} // namespace

ShrinkSteps planShrink(std::uint32_t width, std::uint32_t height, std::uint32_t maxWidth,
                       std::uint32_t maxHeight) {
    ShrinkSteps steps;
    steps.source = {width, height};
    steps.afterWidth = steps.source;
    if (width > maxWidth) {
        const double s = static_cast<double>(maxWidth) / static_cast<double>(width);
        steps.afterWidth = {scaled(width, s), scaled(height, s)};
    }
    steps.afterHeight = steps.afterWidth;
    if (steps.afterWidth.height > maxHeight) {
        const double s =
            static_cast<double>(maxHeight) / static_cast<double>(steps.afterWidth.height);
        steps.afterHeight = {scaled(steps.afterWidth.width, s), scaled(steps.afterWidth.height, s)};
    }
    return steps;
}

} // namespace qv::image
