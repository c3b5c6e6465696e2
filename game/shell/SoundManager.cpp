// SPDX-License-Identifier: MIT
#include "game/shell/SoundManager.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include <SDL_mixer.h>

#include "common/FileIo.h"
#include "game/shell/WaveFile.h"

namespace qv {

namespace {

// No sound of the game comes near this; a bigger file is not one of ours.
constexpr std::size_t maxWaveBytes = std::size_t{64} << 20;
// A sound that overlaps itself more often than this is a mistake.
constexpr int maxBuffers = 64;
// Samples mixed at a time: 11.6 ms at 22050 Hz (as 512 are at 44100), short
// enough that a click is heard with the frame that made it. Closing the
// output waits for two rounds of the mixing thread (SDL lets the last one
// drain), so this is also most of the time the game takes to quit: 23 ms.
constexpr int mixChunkSamples = 256;

} // namespace

int chooseSoundBuffer(std::span<const bool> playing, const std::function<int(int)>& randomIndex) {
    for (std::size_t i = 0; i < playing.size(); ++i) {
        if (!playing[i]) {
            return static_cast<int>(i);
        }
    }
    const int count = static_cast<int>(playing.size());
    if (count == 0) {
        return -1;
    }
    const int picked = randomIndex ? randomIndex(count) : std::rand() % count;
    return std::clamp(picked, 0, count - 1);
}

int mixerVolume(int volume) {
    if (volume >= 0) {
        return MIX_MAX_VOLUME;
    }
    if (volume <= -10000) {
        return 0;
    }
    return static_cast<int>(std::lround(MIX_MAX_VOLUME * std::pow(10.0, volume / 2000.0)));
}

void mixerPanning(int pan, std::uint8_t& left, std::uint8_t& right) {
    pan = std::clamp(pan, -10000, 10000);
    const auto level = [](int attenuation) {
        return static_cast<std::uint8_t>(
            std::lround(255.0 * std::pow(10.0, -attenuation / 2000.0)));
    };
    left = pan > 0 ? level(pan) : 255;
    right = pan < 0 ? level(-pan) : 255;
}

void Sound::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

Sound::Sound(SoundManager& manager, std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk,
             std::vector<int> channels, std::uint32_t flags)
    : manager_(manager), chunk_(std::move(chunk)), channels_(std::move(channels)), flags_(flags) {}

Sound::~Sound() {
    // The mixer must be done with the samples before they are freed.
    stop();
    manager_.returnChannels(channels_);
}

SoundResult Sound::play(int /*priority*/, std::uint32_t flags, int volume, int /*frequency*/,
                        int pan) {
    if (!chunk_ || channels_.empty() || !manager_.initialised()) {
        return SoundResult::NotInitialised;
    }
    bool states[64] = {};
    const std::size_t count = std::min<std::size_t>(channels_.size(), 64);
    for (std::size_t i = 0; i < count; ++i) {
        states[i] = Mix_Playing(channels_[i]) != 0;
    }
    const int buffer =
        chooseSoundBuffer(std::span<const bool>(states, count), manager_.randomIndex);
    if (buffer < 0) {
        return SoundResult::NotInitialised;
    }
    if (states[buffer]) {
        return SoundResult::Ok;
    }
    const int channel = channels_[static_cast<std::size_t>(buffer)];
    Mix_Volume(channel, (flags_ & SoundControlVolume) != 0 ? mixerVolume(volume) : MIX_MAX_VOLUME);
    std::uint8_t left = 255;
    std::uint8_t right = 255;
    if ((flags_ & SoundControlPan) != 0) {
        mixerPanning(pan, left, right);
    }
    Mix_SetPanning(channel, left, right);
    const int loops = (flags & PlayLooping) != 0 ? -1 : 0;
    return Mix_PlayChannel(channel, chunk_.get(), loops) < 0 ? SoundResult::Failed
                                                             : SoundResult::Ok;
}

SoundResult Sound::stop() {
    if (!manager_.initialised()) {
        return SoundResult::NotInitialised;
    }
    for (int channel : channels_) {
        Mix_HaltChannel(channel);
    }
    return SoundResult::Ok;
}

bool Sound::playing() const {
    if (!manager_.initialised()) {
        return false;
    }
    for (int channel : channels_) {
        if (Mix_Playing(channel) != 0) {
            return true;
        }
    }
    return false;
}

SoundManager::SoundManager() = default;

SoundManager::~SoundManager() {
    close();
}

void SoundManager::close() {
    if (open_) {
        Mix_CloseAudio();
        open_ = false;
    }
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

SoundResult SoundManager::initialise(SDL_Window* /*window*/, int /*cooperativeLevel*/) {
    close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return SoundResult::Failed;
    }
    subsystem_ = true;
    // The device is opened once its format is known: opening and closing an
    // audio device waits for its mixing thread, which would only slow the
    // start down.
    return SoundResult::Ok;
}

SoundResult SoundManager::setPrimaryBufferFormat(int channels, int samplesPerSecond,
                                                 int bitsPerSample) {
    if (!subsystem_) {
        return SoundResult::NotInitialised;
    }
    if (channels < 1 || channels > 8 || samplesPerSecond < 1000 || samplesPerSecond > 192000 ||
        (bitsPerSample != 8 && bitsPerSample != 16)) {
        return SoundResult::InvalidArgument;
    }
    if (open_) {
        Mix_CloseAudio();
        open_ = false;
    }
    const Uint16 format = bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (Mix_OpenAudio(samplesPerSecond, format, channels, mixChunkSamples) != 0) {
        return SoundResult::Failed;
    }
    open_ = true;
    Mix_AllocateChannels(static_cast<int>(channelTaken_.size()));
    return SoundResult::Ok;
}

SoundResult SoundManager::createSound(std::unique_ptr<Sound>& out,
                                      const std::filesystem::path& wave, std::uint32_t flags,
                                      int buffers) {
    if (wave.empty() || buffers < 1 || buffers > maxBuffers) {
        return SoundResult::InvalidArgument;
    }
    if (!open_ &&
        (!subsystem_ || setPrimaryBufferFormat(2, MIX_DEFAULT_FREQUENCY, 16) != SoundResult::Ok)) {
        return SoundResult::NotInitialised;
    }
    std::string bytes;
    if (!readWholeFile(wave, bytes, maxWaveBytes)) {
        return SoundResult::Failed;
    }
    WaveFormat format;
    if (!parseWave(bytes, format)) {
        return SoundResult::Failed;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (stream == nullptr) {
        return SoundResult::OutOfMemory;
    }
    std::unique_ptr<Mix_Chunk, Sound::ChunkDeleter> chunk(Mix_LoadWAV_RW(stream, 1));
    if (!chunk) {
        return SoundResult::Failed;
    }
    std::vector<int> channels = takeChannels(buffers);
    out.reset(new Sound(*this, std::move(chunk), std::move(channels), flags));
    return SoundResult::Ok;
}

std::vector<int> SoundManager::takeChannels(int count) {
    std::vector<int> taken;
    for (std::size_t i = 0; i < channelTaken_.size() && static_cast<int>(taken.size()) < count;
         ++i) {
        if (!channelTaken_[i]) {
            channelTaken_[i] = true;
            taken.push_back(static_cast<int>(i));
        }
    }
    while (static_cast<int>(taken.size()) < count) {
        channelTaken_.push_back(true);
        taken.push_back(static_cast<int>(channelTaken_.size() - 1));
    }
    Mix_AllocateChannels(static_cast<int>(channelTaken_.size()));
    return taken;
}

void SoundManager::returnChannels(const std::vector<int>& channels) {
    for (int channel : channels) {
        if (channel >= 0 && static_cast<std::size_t>(channel) < channelTaken_.size()) {
            channelTaken_[static_cast<std::size_t>(channel)] = false;
        }
    }
}

} // namespace qv
