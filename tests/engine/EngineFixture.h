// SPDX-License-Identifier: MIT
#pragma once
// A software renderer on a 1024 x 768 surface with the sprite layer on it,
// and small image files written by the tests themselves.

#include "game/engine/SpriteLayer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace qv::test {

struct Rgba {
    std::uint8_t r, g, b, a;
};

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(surface_, nullptr) << SDL_GetError();
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        ASSERT_NE(renderer_, nullptr) << SDL_GetError();
        layer_ = std::make_unique<SpriteLayer>(renderer_);
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-engine-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }

    void TearDown() override {
        layer_.reset();
        if (renderer_ != nullptr) {
            SDL_DestroyRenderer(renderer_);
        }
        if (surface_ != nullptr) {
            SDL_FreeSurface(surface_);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Writes a BMP of the given size whose pixels come from paint (x, y).
    std::string writeImage(const std::string& name, int width, int height,
                           const std::function<Rgba(int, int)>& paint) {
        SDL_Surface* image =
            SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
        EXPECT_NE(image, nullptr);
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(image->pixels) +
                                                         y * image->pitch);
            for (int x = 0; x < width; ++x) {
                const Rgba c = paint(x, y);
                row[x] = SDL_MapRGBA(image->format, c.r, c.g, c.b, c.a);
            }
        }
        const std::string path = (folder_ / name).string();
        EXPECT_EQ(SDL_SaveBMP(image, path.c_str()), 0) << SDL_GetError();
        SDL_FreeSurface(image);
        return path;
    }

    std::string writeSolid(const std::string& name, int width, int height, Rgba colour) {
        return writeImage(name, width, height, [colour](int, int) { return colour; });
    }

    void clear() {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }

    Rgba pixel(int x, int y) {
        SDL_RenderFlush(renderer_);
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch);
        Rgba c{};
        SDL_GetRGBA(row[x], surface_->format, &c.r, &c.g, &c.b, &c.a);
        return c;
    }

    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<SpriteLayer> layer_;
    std::filesystem::path folder_;
};

} // namespace qv::test
