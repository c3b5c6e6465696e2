// SPDX-License-Identifier: MIT
#include <filesystem>
#include <string>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "game/shell/SoundManager.h"
#include "game/shell/WaveFile.h"

namespace qv {
namespace {

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

// A 16-bit mono PCM wave with `samples` samples, and an optional chunk before
// the format.
std::string wave(std::uint32_t samples, bool extraChunk = false) {
    std::string body = "WAVE";
    if (extraChunk) {
        body += "LIST";
        put32(body, 3);
        body += "abc";
        body += '\0'; // padding to an even size
    }
    body += "fmt ";
    put32(body, 16);
    put16(body, 1);
    put16(body, 1);
    put32(body, 22050);
    put32(body, 44100);
    put16(body, 2);
    put16(body, 16);
    body += "data";
    put32(body, samples * 2);
    body += std::string(samples * 2, '\x10');
    std::string file = "RIFF";
    put32(file, static_cast<std::uint32_t>(body.size()));
    return file + body;
}

TEST(SoundBufferChoice, TheFirstQuietBufferElseARandomOne) {
    int asked = 0;
    auto pick = [&](int count) {
        ++asked;
        return count - 1;
    };
    const bool someBusy[] = {true, false, false};
    EXPECT_EQ(chooseSoundBuffer(someBusy, pick), 1);
    const bool firstFree[] = {false, true};
    EXPECT_EQ(chooseSoundBuffer(firstFree, pick), 0);
    EXPECT_EQ(asked, 0);
    const bool allBusy[] = {true, true, true};
    EXPECT_EQ(chooseSoundBuffer(allBusy, pick), 2);
    EXPECT_EQ(asked, 1);
    // A picker that strays outside is kept inside.
    EXPECT_EQ(chooseSoundBuffer(allBusy, [](int) { return 99; }), 2);
    EXPECT_EQ(chooseSoundBuffer(allBusy, [](int) { return -4; }), 0);
    EXPECT_EQ(chooseSoundBuffer({}, pick), -1);
}

TEST(SoundLevels, DecibelsBecomeMixerLevels) {
    EXPECT_EQ(mixerVolume(0), MIX_MAX_VOLUME);
    EXPECT_EQ(mixerVolume(-10000), 0);
    EXPECT_EQ(mixerVolume(-2000), 13); // a tenth of the amplitude
    std::uint8_t left = 0;
    std::uint8_t right = 0;
    mixerPanning(0, left, right);
    EXPECT_EQ(left, 255);
    EXPECT_EQ(right, 255);
    mixerPanning(10000, left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 255);
    mixerPanning(-99999, left, right);
    EXPECT_EQ(left, 255);
    EXPECT_EQ(right, 0);
}

TEST(WaveFile, FindsFormatAndDataPastOtherChunks) {
    WaveFormat format;
    ASSERT_TRUE(parseWave(wave(100, true), format));
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.samplesPerSecond, 22050u);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.dataSize, 200u);
}

TEST(WaveFile, RefusesFilesWithoutDataOrForm) {
    WaveFormat format;
    EXPECT_FALSE(parseWave(wave(0), format));
    std::string notWave = wave(10);
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(parseWave(notWave, format));
    EXPECT_FALSE(parseWave("", format));
    EXPECT_FALSE(parseWave("RIFF", format));
}

TEST(WaveFile, StaysInsideTheBytesWhateverTheSizesClaim) {
    const std::string good = wave(50);
    WaveFormat format;
    // Every cut of the file parses or fails without reading past it.
    for (std::size_t n = 0; n < good.size(); ++n) {
        const std::string cut = good.substr(0, n);
        if (parseWave(cut, format)) {
            EXPECT_LE(format.dataOffset + format.dataSize, cut.size());
        }
    }
    // A format chunk that claims more than the file holds.
    std::string bad = good;
    bad[16] = '\xFF';
    bad[17] = '\xFF';
    bad[18] = '\xFF';
    bad[19] = '\x7F';
    EXPECT_FALSE(parseWave(bad, format));
    // A data chunk cut short plays what there is.
    std::string shortData = good.substr(0, good.size() - 10);
    ASSERT_TRUE(parseWave(shortData, format));
    EXPECT_EQ(format.dataSize, 90u);
}

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("qv-sound-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(writeFileAtomically(folder / "tone.wav", wave(22050)));
        ASSERT_TRUE(writeFileAtomically(folder / "empty.wav", wave(0)));
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(SoundManagerTest, OpensTheDummyDeviceAndPlaysThroughEveryBuffer) {
    SoundManager manager;
    ASSERT_EQ(manager.initialise(nullptr, 2), SoundResult::Ok);
    ASSERT_EQ(manager.setPrimaryBufferFormat(2, 22050, 16), SoundResult::Ok);
    int randomCalls = 0;
    manager.randomIndex = [&](int) {
        ++randomCalls;
        return 0;
    };
    std::unique_ptr<Sound> sound;
    ASSERT_EQ(manager.createSound(sound, folder / "tone.wav", SoundControlVolume, 2),
              SoundResult::Ok);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->bufferCount(), 2);
    EXPECT_NE(sound->channel(0), sound->channel(1));
    EXPECT_EQ(sound->play(0, 0, -600), SoundResult::Ok);
    EXPECT_TRUE(Mix_Playing(sound->channel(0)));
    EXPECT_FALSE(Mix_Playing(sound->channel(1)));
    EXPECT_EQ(sound->play(0, 0), SoundResult::Ok);
    EXPECT_TRUE(Mix_Playing(sound->channel(1)));
    EXPECT_EQ(randomCalls, 0);
    // Both busy: one is picked at random and goes on playing.
    EXPECT_EQ(sound->play(0, 0), SoundResult::Ok);
    EXPECT_EQ(randomCalls, 1);
    EXPECT_TRUE(sound->playing());

    // A second sound gets channels of its own; freed ones are used again.
    std::unique_ptr<Sound> other;
    ASSERT_EQ(manager.createSound(other, folder / "tone.wav", 0, 1), SoundResult::Ok);
    const int otherChannel = other->channel(0);
    EXPECT_NE(otherChannel, sound->channel(0));
    EXPECT_NE(otherChannel, sound->channel(1));
    other.reset();
    ASSERT_EQ(manager.createSound(other, folder / "tone.wav", 0, 1), SoundResult::Ok);
    EXPECT_EQ(other->channel(0), otherChannel);
}

TEST_F(SoundManagerTest, BadRequestsLeaveTheHandleUnset) {
    SoundManager manager;
    std::unique_ptr<Sound> sound;
    EXPECT_EQ(manager.createSound(sound, folder / "tone.wav", 0, 1), SoundResult::NotInitialised);
    EXPECT_EQ(manager.setPrimaryBufferFormat(2, 22050, 16), SoundResult::NotInitialised);
    ASSERT_EQ(manager.initialise(nullptr, 2), SoundResult::Ok);
    EXPECT_EQ(manager.setPrimaryBufferFormat(2, 22050, 12), SoundResult::InvalidArgument);
    EXPECT_EQ(manager.createSound(sound, folder / "tone.wav", 0, 0), SoundResult::InvalidArgument);
    EXPECT_EQ(manager.createSound(sound, "", 0, 1), SoundResult::InvalidArgument);
    EXPECT_EQ(manager.createSound(sound, folder / "empty.wav", 0, 1), SoundResult::Failed);
    EXPECT_EQ(manager.createSound(sound, folder / "missing.wav", 0, 1), SoundResult::Failed);
    EXPECT_FALSE(sound);
}

} // namespace
} // namespace qv
