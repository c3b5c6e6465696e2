// SPDX-License-Identifier: MIT
// The sound set over the framework's own sound manager on SDL's dummy audio
// device: what the game does at start-up, with wave files written here.

#include "game/engine/SoundManagerOutput.h"
#include "game/engine/SoundSet.h"
#include "game/shell/SoundManager.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qv::test {
namespace {

using ManagerOutput = SoundManagerOutput<SoundManager, Sound>;

// Two seconds of a quiet 16-bit mono tone: long enough to be still playing
// when the test looks.
void writeWave(const std::filesystem::path& path) {
    const std::uint32_t rate = 22050;
    std::vector<std::int16_t> samples(rate * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>((i / 25) % 2 == 0 ? 2000 : -2000);
    }
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](std::uint32_t v) {
        const char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
        out.write(b, 4);
    };
    auto u16 = [&out](std::uint16_t v) {
        const char b[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
        out.write(b, 2);
    };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

class RealSounds : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-real-sounds-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_ / "Resources" / "Sound");
        for (const char* file : SoundSet::files) {
            writeWave(folder_ / file);
        }
        manager_ = std::make_unique<SoundManager>();
        ASSERT_EQ(manager_->initialise(nullptr, 2), SoundResult::Ok);
        ASSERT_EQ(manager_->setPrimaryBufferFormat(2, 22050, 16), SoundResult::Ok);
    }
    void TearDown() override {
        manager_.reset();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
    std::unique_ptr<SoundManager> manager_;
    bool soundEffectsOn_ = true;
};

TEST_F(RealSounds, BothArrowsSoundTogetherAndNoSoundOverlapsItself) {
    SoundSet set(soundEffectsOn_);
    ManagerOutput output(*manager_);
    set.load(&output, folder_);
    for (int slot = 0; slot < SoundSet::slotCount; ++slot) {
        EXPECT_TRUE(set.loaded(static_cast<SoundSet::Slot>(slot))) << slot;
    }
    ASSERT_EQ(Mix_Playing(-1), 0);
    set.playGambleArrowA();
    set.playGambleArrowB();
    EXPECT_EQ(Mix_Playing(-1), 2);
    set.playGambleArrowA();
    set.playGambleArrowB();
    set.playClick();
    set.playClick();
    EXPECT_EQ(Mix_Playing(-1), 3);
    set.release();
}

TEST_F(RealSounds, ABadOrMissingFileLeavesOnlyItsSlotEmpty) {
    std::filesystem::remove(folder_ / "Resources//Sound//click.wav");
    std::ofstream(folder_ / "Resources//Sound//joker.wav") << "RIFF....WAVEjunk";
    SoundSet set(soundEffectsOn_);
    ManagerOutput output(*manager_);
    set.load(&output, folder_);
    EXPECT_FALSE(set.loaded(SoundSet::Slot::Click));
    EXPECT_FALSE(set.loaded(SoundSet::Slot::Joker));
    EXPECT_TRUE(set.loaded(SoundSet::Slot::NextQuestion));
    EXPECT_TRUE(set.loaded(SoundSet::Slot::Quit));
    set.playClick();
    set.playJoker();
    EXPECT_EQ(Mix_Playing(-1), 0);
    soundEffectsOn_ = false;
    set.playQuit();
    EXPECT_EQ(Mix_Playing(-1), 0);
    set.release();
}

} // namespace
} // namespace qv::test
