// SPDX-License-Identifier: MIT
// Importing a 4000 x 3000 photograph as a question picture: decode, shrink to
// 366 x 275, encode at quality 90.
#include "bench/image/PhotoMaker.h"
#include "editor/image/ImageDecoder.h"
#include "editor/image/JpegWriter.h"
#include "editor/image/PictureImport.h"
#include "editor/image/Resample.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<std::uint8_t>& photo() {
    static const std::vector<std::uint8_t> bytes = qv::image::bench::makePhotoJpeg(4000, 3000);
    return bytes;
}

// What the editor runs: the JPEG decoder scales the DCT down as far as the
// shrunk size allows.
void importPhoto(benchmark::State& state) {
    const auto& bytes = photo();
    for (auto _ : state) {
        qv::image::ImportedPicture picture;
        std::vector<std::uint8_t> jpeg;
        if (!qv::image::preparePicture(bytes, picture, jpeg)) {
            state.SkipWithError("import failed");
            return;
        }
        benchmark::DoNotOptimize(jpeg.data());
    }
    state.SetLabel("4000x3000 -> 366x275");
}
BENCHMARK(importPhoto)->Unit(benchmark::kMillisecond);

// The same import decoding every pixel first, for comparison.
void importPhotoFullDecode(benchmark::State& state) {
    const auto& bytes = photo();
    for (auto _ : state) {
        qv::image::Image image;
        qv::image::Image shrunk;
        std::vector<std::uint8_t> jpeg;
        if (!qv::image::decodeImage(bytes, image)) {
            state.SkipWithError("decode failed");
            return;
        }
        qv::image::shrinkPicture(image, qv::image::planShrink(image.width, image.height), shrunk);
        qv::image::raiseTo24Bits(shrunk);
        qv::image::encodeJpeg(shrunk, jpeg);
        benchmark::DoNotOptimize(jpeg.data());
    }
}
BENCHMARK(importPhotoFullDecode)->Unit(benchmark::kMillisecond);

void shrinkOnly(benchmark::State& state) {
    qv::image::Image image;
    qv::image::decodeImage(photo(), image);
    const auto steps = qv::image::planShrink(image.width, image.height);
    for (auto _ : state) {
        qv::image::Image shrunk;
        qv::image::shrinkPicture(image, steps, shrunk);
        benchmark::DoNotOptimize(shrunk.pixels.data());
    }
}
BENCHMARK(shrinkOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
