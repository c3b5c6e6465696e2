// SPDX-License-Identifier: MIT
// SDL's memory through the large-block functions: blocks on either side of
// the size that gets a mapping of its own, moved across it by realloc, and
// the pictures SDL makes in them.

#include "game/shell/LargeBlocks.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace qv::test {
namespace {

constexpr std::size_t small = 1000;
constexpr std::size_t large = std::size_t{3} << 20;

// Tests run in order in one process: this one comes first, before SDL has
// allocated anything.
TEST(LargeBlocks, AreSetBeforeSdlAllocatesAndNotAfter) {
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_FALSE(useLargeBlocksForSdl()) << "sanitizer builds keep malloc";
#else
    EXPECT_TRUE(useLargeBlocksForSdl());
#endif
    void* held = SDL_malloc(small);
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(useLargeBlocksForSdl()) << "memory from one set of functions can't go to another";
    SDL_free(held);
}

TEST(LargeBlocks, HoldWhatIsWrittenAcrossReallocAndComeZeroedFromCalloc) {
    for (std::size_t size : {small, large}) {
        auto* zeroed = static_cast<std::uint8_t*>(SDL_calloc(size, 1));
        ASSERT_NE(zeroed, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(zeroed) % 16, 0u);
        EXPECT_EQ(zeroed[0], 0);
        EXPECT_EQ(zeroed[size - 1], 0);
        SDL_free(zeroed);
    }

    // Small to large to larger and back to small: the bytes that fit stay.
    auto* block = static_cast<std::uint8_t*>(SDL_malloc(small));
    ASSERT_NE(block, nullptr);
    for (std::size_t i = 0; i < small; ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7);
    }
    for (std::size_t size : {large, 2 * large, small / 2}) {
        block = static_cast<std::uint8_t*>(SDL_realloc(block, size));
        ASSERT_NE(block, nullptr) << size;
        for (std::size_t i = 0; i < std::min(size, small); ++i) {
            ASSERT_EQ(block[i], static_cast<std::uint8_t>(i * 7)) << size << " at " << i;
        }
        std::memset(block + std::min(size, small), 0xAB, size - std::min(size, small));
    }
    SDL_free(block);
    SDL_free(nullptr);

    // Sizes no block can have.
    EXPECT_EQ(SDL_calloc(SIZE_MAX / 2, 4), nullptr);
    EXPECT_EQ(SDL_malloc(SIZE_MAX - 4), nullptr);
}

TEST(LargeBlocks, CarryTheSurfacesOfLargePictures) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, 2048, 1536, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(static_cast<const std::uint32_t*>(surface->pixels)[2048 * 1536 - 1], 0u);
    ASSERT_EQ(SDL_FillRect(surface, nullptr, 0xFF336699u), 0);
    SDL_Surface* copy = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ABGR8888, 0);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(static_cast<const std::uint32_t*>(copy->pixels)[12345], 0xFF996633u);
    SDL_FreeSurface(copy);
    SDL_FreeSurface(surface);
}

} // namespace
} // namespace qv::test
