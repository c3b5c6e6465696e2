// SPDX-License-Identifier: MIT
#include "game/engine/SoundSet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace qv::test {
namespace {

// A sound device that loads every file that exists and records what was
// asked of it. Each loaded sound has an id, so two sounds of one file stay
// apart.
class RecordingOutput : public SoundOutput {
public:
    struct Load {
        std::string path;
        int buffers;
    };

    std::unique_ptr<SoundClip> loadClip(const std::string& wavePath, int buffers) override {
        loads.push_back({wavePath, buffers});
        if (!std::filesystem::exists(wavePath)) {
            return nullptr;
        }
        return std::make_unique<Clip>(*this, nextId++);
    }

    std::vector<Load> loads;
    // Ids of the sounds played, in order.
    std::vector<int> plays;
    int nextId = 0;

private:
    class Clip : public SoundClip {
    public:
        Clip(RecordingOutput& owner, int id) : owner_(owner), id_(id) {}
        void playOnce() override { owner_.plays.push_back(id_); }

    private:
        RecordingOutput& owner_;
        int id_;
    };
};

class Sounds : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("qv-sounds-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_ / "Resources" / "Sound");
        for (const char* file : SoundSet::files) {
            std::ofstream(folder_ / file) << "RIFF";
        }
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Plays every slot once, in slot order.
    static void playAll(SoundSet& set) {
        set.playQuit();
        set.playCommit();
        set.playCorrect();
        set.playTake();
        set.playJoker();
        set.playClue();
        set.playGamble();
        set.playGambleArrowA();
        set.playGambleArrowB();
        set.playGambleWin();
        set.playGambleLose();
        set.playNextQuestion();
        set.playClick();
    }

    std::filesystem::path folder_;
    bool soundEffectsOn_ = true;
    RecordingOutput output_;
};

TEST_F(Sounds, ThirteenSlotsLoadInTableOrderWithOneBufferEach) {
    SoundSet set(soundEffectsOn_);
    set.load(&output_, folder_);
    ASSERT_EQ(output_.loads.size(), 13u);
    const char* names[] = {"quit",       "commit",       "correct",     "take",        "joker",
                           "clue",       "gamble",       "gamblearrow", "gamblearrow", "gamblewin",
                           "gamblelose", "nextquestion", "click"};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(output_.loads[i].path,
                  (folder_ / ("Resources//Sound//" + std::string(names[i]) + ".wav")).string());
        // One buffer: a sound never sounds twice at once.
        EXPECT_EQ(output_.loads[i].buffers, 1);
    }
    playAll(set);
    EXPECT_EQ(output_.plays, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(Sounds, TheTwoGambleArrowsAreSeparateSounds) {
    SoundSet set(soundEffectsOn_);
    set.load(&output_, folder_);
    set.playGambleArrowA();
    set.playGambleArrowB();
    set.playGambleArrowA();
    EXPECT_EQ(output_.plays, (std::vector<int>{7, 8, 7}));
}

TEST_F(Sounds, TheSwitchSilencesEverySoundAtEveryRequest) {
    SoundSet set(soundEffectsOn_);
    set.load(&output_, folder_);
    soundEffectsOn_ = false;
    playAll(set);
    EXPECT_TRUE(output_.plays.empty());
    soundEffectsOn_ = true;
    set.playClick();
    EXPECT_EQ(output_.plays, std::vector<int>{12});
}

TEST_F(Sounds, AMissingClickFileSilencesOnlyTheClicks) {
    std::filesystem::remove(folder_ / "Resources//Sound//click.wav");
    SoundSet set(soundEffectsOn_);
    set.load(&output_, folder_);
    EXPECT_EQ(output_.loads.size(), 13u) << "the slots after a failed one still load";
    EXPECT_FALSE(set.loaded(SoundSet::Slot::Click));
    for (int slot = 0; slot < 12; ++slot) {
        EXPECT_TRUE(set.loaded(static_cast<SoundSet::Slot>(slot))) << slot;
    }
    set.playClick();
    set.playClick();
    EXPECT_TRUE(output_.plays.empty());
    playAll(set);
    EXPECT_EQ(output_.plays.size(), 12u);
}

TEST_F(Sounds, WithoutASoundDeviceTheGameIsSilent) {
    SoundSet set(soundEffectsOn_);
    set.load(nullptr, folder_);
    playAll(set);
    for (int slot = 0; slot < SoundSet::slotCount; ++slot) {
        EXPECT_FALSE(set.loaded(static_cast<SoundSet::Slot>(slot)));
    }
    // Loaded, then released with the device: silent again.
    set.load(&output_, folder_);
    set.release();
    playAll(set);
    EXPECT_TRUE(output_.plays.empty());
}

} // namespace
} // namespace qv::test
