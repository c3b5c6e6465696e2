// SPDX-License-Identifier: MIT
// The wave files the game loads: present, in the format the game opens its
// sound device with, short, not clipped, and silent at both ends.
#include "tests/content/ResourceFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace qv::test {
namespace {

struct Expected {
    const char* file;
    double longest; // seconds
};

// The commit tension has to end before the reveal five seconds later; the
// fanfare for leaving with a prize may ring on a little longer.
constexpr Expected sounds[] = {
    {"quit.wav", 6.0},       {"commit.wav", 5.0},       {"correct.wav", 3.0},
    {"take.wav", 3.0},       {"joker.wav", 3.0},        {"clue.wav", 3.0},
    {"gamble.wav", 3.0},     {"gamblearrow.wav", 0.5},  {"gamblewin.wav", 3.0},
    {"gamblelose.wav", 3.0}, {"nextquestion.wav", 3.0}, {"click.wav", 0.5}};

TEST(SoundTree, EverySoundIsShortCleanMonoPcm) {
    for (const auto& e : sounds) {
        SCOPED_TRACE(e.file);
        const auto bytes = readBytes(resourcePath(std::string("Sound/") + e.file));
        ASSERT_TRUE(bytes);
        const auto wave = readWave(*bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->rate, 22050);
        EXPECT_EQ(wave->bits, 16);
        ASSERT_FALSE(wave->samples.empty());
        const double seconds = static_cast<double>(wave->samples.size()) / wave->rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LE(seconds, e.longest);
        // No click: the first and last samples sit at rest.
        EXPECT_LE(std::abs(wave->samples.front()), 64);
        EXPECT_LE(std::abs(wave->samples.back()), 64);
        int peak = 0;
        for (std::int16_t s : wave->samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_LE(peak, 29000) << "too close to clipping";
        EXPECT_GE(peak, 3000) << "too quiet to hear";
    }
}

TEST(SoundTree, WaveReaderRefusesBrokenFiles) {
    const auto bytes = readBytes(resourcePath("Sound/click.wav"));
    ASSERT_TRUE(bytes);
    std::vector<std::uint8_t> truncated(bytes->begin(), bytes->begin() + 30);
    EXPECT_FALSE(readWave(truncated));
    std::vector<std::uint8_t> oversized = *bytes;
    oversized[40] = 0xFF; // data chunk claims more than the file holds
    oversized[41] = 0xFF;
    oversized[42] = 0xFF;
    EXPECT_FALSE(readWave(oversized));
}

} // namespace
} // namespace qv::test
