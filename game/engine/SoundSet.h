// SPDX-License-Identifier: MIT
#pragma once
// The game's thirteen short sounds, loaded once from "Resources//Sound//"
// and played fire-and-forget. One switch, soundEffectsOn, silences them all;
// a sound that did not load stays silent on its own.

#include "game/engine/SoundOutput.h"

#include <array>
#include <filesystem>
#include <memory>

namespace qv {

class SoundSet {
public:
    enum class Slot {
        Quit,
        Commit,
        Correct,
        Take,
        Joker,
        Clue,
        Gamble,
        GambleArrowA,
        GambleArrowB,
        GambleWin,
        GambleLose,
        NextQuestion,
        Click,
    };
    static constexpr int slotCount = 13;
    // The files in slot order. The gamble's arrow comes twice: two separate
    // sounds, so that both can sound at once.
    static constexpr std::array<const char*, slotCount> files{
        "Resources//Sound//quit.wav",        "Resources//Sound//commit.wav",
        "Resources//Sound//correct.wav",     "Resources//Sound//take.wav",
        "Resources//Sound//joker.wav",       "Resources//Sound//clue.wav",
        "Resources//Sound//gamble.wav",      "Resources//Sound//gamblearrow.wav",
        "Resources//Sound//gamblearrow.wav", "Resources//Sound//gamblewin.wav",
        "Resources//Sound//gamblelose.wav",  "Resources//Sound//nextquestion.wav",
        "Resources//Sound//click.wav",
    };

    // soundEffectsOn is the game's switch, read at every play request; it
    // must outlive the set.
    explicit SoundSet(const bool& soundEffectsOn) : soundEffectsOn_(soundEffectsOn) {}
    SoundSet(const SoundSet&) = delete;
    SoundSet& operator=(const SoundSet&) = delete;

    // Drops what was loaded, then loads every slot in order, each with one
    // buffer, from its file under `folder` (the program folder; empty for the
    // current directory). A file that does not load leaves its slot empty and
    // the rest still load. Without an output (no sound device) every slot
    // stays empty and the game is silent.
    void load(SoundOutput* output, const std::filesystem::path& folder = {});
    // Drops every sound (before the device that made them goes).
    void release();
    bool loaded(Slot slot) const { return clip(slot) != nullptr; }

    // Plays the slot's sound once when soundEffectsOn is set and the slot
    // holds a sound; otherwise nothing.
    void play(Slot slot);
    void playQuit() { play(Slot::Quit); }
    void playCommit() { play(Slot::Commit); }
    void playCorrect() { play(Slot::Correct); }
    void playTake() { play(Slot::Take); }
    void playJoker() { play(Slot::Joker); }
    void playClue() { play(Slot::Clue); }
    void playGamble() { play(Slot::Gamble); }
    void playGambleArrowA() { play(Slot::GambleArrowA); }
    void playGambleArrowB() { play(Slot::GambleArrowB); }
    void playGambleWin() { play(Slot::GambleWin); }
    void playGambleLose() { play(Slot::GambleLose); }
    void playNextQuestion() { play(Slot::NextQuestion); }
    void playClick() { play(Slot::Click); }

private:
    SoundClip* clip(Slot slot) const { return clips_[static_cast<std::size_t>(slot)].get(); }

    const bool& soundEffectsOn_;
    std::array<std::unique_ptr<SoundClip>, slotCount> clips_;
};

} // namespace qv
