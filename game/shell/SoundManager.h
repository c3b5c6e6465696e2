// SPDX-License-Identifier: MIT
#pragma once
// The game's small sound layer over SDL2_mixer. A sound is one wave file with
// one or more buffers; each buffer is a mixer channel of its own, so one sound
// can overlap itself as often as it has buffers.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <SDL.h>

struct Mix_Chunk;

namespace qv {

enum class SoundResult { Ok, NotInitialised, InvalidArgument, OutOfMemory, Failed };

// Creation flags: which controls the sound's buffers offer.
enum SoundFlag : std::uint32_t {
    SoundControlVolume = 1u << 0,
    SoundControlFrequency = 1u << 1,
    SoundControlPan = 1u << 2,
    SoundControlEffects = 1u << 3,
};

// Play flags.
enum PlayFlag : std::uint32_t { PlayLooping = 1u << 0 };

// The buffer a sound plays next: the first that is not playing, or, when all
// are, one picked by `randomIndex(count)` (which returns 0 to count - 1).
int chooseSoundBuffer(std::span<const bool> playing, const std::function<int(int)>& randomIndex);

// Volume in hundredths of a decibel (0 full, -10000 silent) as a mixer volume
// 0 to 128; pan from -10000 (left only) to 10000 (right only) as the mixer's
// left and right levels 0 to 255.
int mixerVolume(int volume);
void mixerPanning(int pan, std::uint8_t& left, std::uint8_t& right);

class SoundManager;

class Sound {
public:
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Picks a buffer and starts it from the start with the controls the sound
    // was created with (frequency is not adjustable here and is ignored). A
    // buffer that is still playing goes on playing.
    SoundResult play(int priority, std::uint32_t flags, int volume = 0, int frequency = -1,
                     int pan = 0);
    SoundResult stop();
    bool playing() const;
    int bufferCount() const { return static_cast<int>(channels_.size()); }
    int channel(int buffer) const { return channels_.at(static_cast<std::size_t>(buffer)); }

private:
    friend class SoundManager;
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    Sound(SoundManager& manager, std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk,
          std::vector<int> channels, std::uint32_t flags);

    SoundManager& manager_;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk_;
    std::vector<int> channels_;
    std::uint32_t flags_;
};

class SoundManager {
public:
    SoundManager();
    // Every sound it created must be gone before it.
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // Starts the audio system, closing any output this manager held; fails
    // when there is no audio driver. The window and cooperative level are the
    // platform's business and unused here.
    SoundResult initialise(SDL_Window* window, int cooperativeLevel);
    // Opens (or reopens) the default output with this PCM format (8 or 16
    // bits per sample).
    SoundResult setPrimaryBufferFormat(int channels, int samplesPerSecond, int bitsPerSample);
    // Loads a RIFF WAVE file into a new sound with `buffers` buffers (at least
    // one), opening the output in 16-bit stereo first if no format was set.
    // `out` is set only on success; a file without data fails.
    SoundResult createSound(std::unique_ptr<Sound>& out, const std::filesystem::path& wave,
                            std::uint32_t flags, int buffers);

    bool initialised() const { return open_; }

    // Picks among busy buffers; std::rand unless replaced.
    std::function<int(int)> randomIndex;

private:
    friend class Sound;
    std::vector<int> takeChannels(int count);
    void returnChannels(const std::vector<int>& channels);
    void close();

    bool subsystem_ = false;
    bool open_ = false;
    std::vector<bool> channelTaken_;
};

} // namespace qv
