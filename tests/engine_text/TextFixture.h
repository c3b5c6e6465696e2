// SPDX-License-Identifier: MIT
#pragma once
// A software renderer on a 1024 x 768 surface with the sprite layer on it,
// the fonts made on it, and a scratch folder for files the tests write.

#include "game/engine/FontSet.h"
#include "game/engine/SpriteLayer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace qv::test {

class TextFixture : public ::testing::Test {
protected:
    void SetUp() override {
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
        ASSERT_NE(surface_, nullptr) << SDL_GetError();
        renderer_ = SDL_CreateSoftwareRenderer(surface_);
        ASSERT_NE(renderer_, nullptr) << SDL_GetError();
        layer_ = std::make_unique<SpriteLayer>(renderer_);
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-text-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }

    void TearDown() override {
        if (fonts_) {
            fonts_->release();
            fonts_.reset();
        }
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

    FontSet& fonts() {
        if (!fonts_) {
            fonts_ = std::make_unique<FontSet>(renderer_);
        }
        return *fonts_;
    }

    void frame(float elapsed = 0.016f) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        layer_->drawAll(elapsed, std::nullopt, false);
        SDL_RenderFlush(renderer_);
    }

    // The pixel as (r, g, b) packed 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch);
        return row[x] & 0xFFFFFF;
    }

    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<SpriteLayer> layer_;
    std::unique_ptr<FontSet> fonts_;
    std::filesystem::path folder_;
};

} // namespace qv::test
