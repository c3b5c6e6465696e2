// SPDX-License-Identifier: MIT
// One libFuzzer target per reader; QV_FUZZ_READER names the reader function.
#include "editor/image/BmpReader.h"
#include "editor/image/GifReader.h"
#include "editor/image/IcoReader.h"
#include "editor/image/JpegReader.h"
#include "editor/image/PcxReader.h"
#include "editor/image/PngReader.h"
#include "editor/image/TgaReader.h"
#include "editor/image/TiffReader.h"
#include "editor/image/WbmpReader.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

// Large enough for every header path, small enough that a lying header cannot
// make each run allocate hundreds of megabytes.
const qv::image::DecodeLimits kLimits{16384, 4'000'000};

std::uint8_t readEveryByte(const qv::image::Image& image) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : image.pixels) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::image::Image image;
    const qv::image::ImageError e = QV_FUZZ_READER(std::span(data, size), image, kLimits);
    if (e == qv::image::ImageError::None) {
        if (image.empty() || image.pixels.size() != image.stride() * image.height) {
            std::abort();
        }
        volatile std::uint8_t sink = readEveryByte(image);
        (void)sink;
    }
    return 0;
}
