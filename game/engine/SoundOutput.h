// SPDX-License-Identifier: MIT
#pragma once
// What the sound set needs of a sound device: load a wave file into a sound
// with a number of buffers, and play a sound once. The shell's sound manager
// stands behind it in the game (see SoundManagerOutput); tests put a
// recording double there.

#include <memory>
#include <string>

namespace qv {

// One loaded sound.
class SoundClip {
public:
    virtual ~SoundClip() = default;
    // Plays once from the start, not looping, as recorded. A sound whose
    // every buffer is still playing goes on playing: it never overlaps itself
    // more often than it has buffers.
    virtual void playOnce() = 0;
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // A new sound from the wave file with `buffers` buffers, or null when the
    // file is missing or not a readable wave file.
    virtual std::unique_ptr<SoundClip> loadClip(const std::string& wavePath, int buffers) = 0;
};

} // namespace qv
