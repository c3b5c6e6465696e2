// SPDX-License-Identifier: MIT
#include "ScreenFixture.h"

#include <cstdint>

#include "common/FileIo.h"
#include "common/Utf16.h"
#include "game/quiz/ConfigFile.h"

namespace qv::test {

void ScreenFixture::SetUp() {
    oldFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(QV_PRODUCT_FOLDER);
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface_, nullptr) << SDL_GetError();
    renderer_ = SDL_CreateSoftwareRenderer(surface_);
    ASSERT_NE(renderer_, nullptr) << SDL_GetError();
    layer_ = std::make_unique<SpriteLayer>(renderer_);
    // The screens' logic is under test here, not their pixels: the batch
    // sorts and builds its quads but hands nothing to the renderer.
    layer_->batch()->setSubmit(false);
    fonts_ = std::make_unique<FontSet>(renderer_);
    auto input = std::make_unique<HeldInput>();
    input_ = input.get();
    devices_ = std::make_unique<InputDevices>(std::move(input));

    folder = std::filesystem::temp_directory_path() /
             ("qv-screens-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "QuestionSets");
    quiz_ = std::make_unique<QuizState>(folder);
    cursor_.load(layer_->textures(), "Resources//mousearrow.tga");
}

void ScreenFixture::TearDown() {
    fonts_.reset();
    layer_.reset();
    devices_.reset();
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
    }
    if (surface_ != nullptr) {
        SDL_FreeSurface(surface_);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::current_path(oldFolder_);
}

void ScreenFixture::writeConfig(int players, const std::u16string& setName) {
    ConfigData config;
    config.questionSetName = setName;
    config.playerCount = players;
    for (int i = 0; i < players; ++i) {
        config.playerNames[static_cast<std::size_t>(i)] =
            std::u16string(u"P").append(1, static_cast<char16_t>(u'a' + i));
    }
    ASSERT_TRUE(writeFileAtomically(quiz_->configPath(), serializeConfig(config)));
}

void ScreenFixture::makeSets(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        std::filesystem::create_directories(folder / "QuestionSets" / name);
    }
}

} // namespace qv::test
