// SPDX-License-Identifier: MIT
#include "bench/image/PhotoMaker.h"

#include "editor/image/Image.h"
#include "editor/image/JpegWriter.h"

#include <cmath>

namespace qv::image::bench {

std::vector<std::uint8_t> makePhotoJpeg(std::uint32_t width, std::uint32_t height) {
    Image image;
    if (allocateImage(image, width, height, PixelFormat::Rgb8, {}) != ImageError::None) {
        return {};
    }
    std::uint32_t state = 12345;
    const double w = width;
    const double h = height;
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* p = image.row(y);
        for (std::uint32_t x = 0; x < width; ++x, p += 3) {
            const double u = x / w;
            const double v = y / h;
            // A sky-to-ground gradient, two soft blobs and a slow ripple.
            const double blob =
                std::exp(-((u - 0.3) * (u - 0.3) + (v - 0.6) * (v - 0.6)) * 18.0) +
                0.6 * std::exp(-((u - 0.75) * (u - 0.75) + (v - 0.35) * (v - 0.35)) * 30.0);
            const double ripple = 0.5 + 0.5 * std::sin(u * 23.0 + std::cos(v * 17.0) * 2.0);
            state = state * 1664525u + 1013904223u;
            const int noise = static_cast<int>((state >> 24) % 17) - 8;
            const double r = 60 + 120 * v + 70 * blob + 20 * ripple;
            const double g = 90 + 80 * (1 - v) + 40 * blob * ripple;
            const double b = 180 - 110 * v + 30 * ripple;
            auto clamp = [](double c) {
                return static_cast<std::uint8_t>(c < 0 ? 0 : (c > 255 ? 255 : c));
            };
            p[0] = clamp(r + noise);
            p[1] = clamp(g + noise);
            p[2] = clamp(b + noise);
        }
    }
    std::vector<std::uint8_t> jpeg;
    encodeJpeg(image, jpeg, 90);
    return jpeg;
}

} // namespace qv::image::bench
