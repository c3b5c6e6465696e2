// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace qv::sound {

constexpr int sampleRate = 22050;

// One partial of a timbre: frequency ratio to the note, level, and how much
// faster than the note's decay it dies away (higher partials fade first, as
// in struck and plucked sounds).
struct Partial {
    double ratio;
    double level;
    double decayScale = 1.0;
};
using Timbre = std::vector<Partial>;

// Timbres of the sound set.
Timbre bell();
Timbre brass();
Timbre marimba();
Timbre pad();
// A low membrane: its overtones carry the beat on small speakers too.
Timbre drum();
Timbre pureTone();

struct Note {
    double start = 0;    // seconds
    double length = 0.5; // seconds until the release begins
    double frequency = 440;
    double level = 0.3;
    double attack = 0.005;    // seconds
    double decay = 0;         // time constant in seconds; 0 holds the level
    double release = 0.08;    // seconds
    double glide = 1.0;       // frequency ratio reached at the end of the note
    double vibratoDepth = 0;  // fraction of the frequency
    double vibratoRate = 5.5; // Hz
};

struct Noise {
    double start = 0;
    double length = 0.2;
    double level = 0.2;
    double attack = 0.002;
    double decay = 0.05; // time constant; 0 holds the level
    double release = 0.02;
    double brightness = 0.5; // 0 dull to 1 bright (one-pole low-pass)
    double tremoloRate = 0;  // Hz; a drum roll
};

// A mono sound built by adding notes and noise, then levelled and written as
// 16-bit samples.
class Track {
public:
    explicit Track(double seconds);

    void add(const Note& note, const Timbre& timbre);
    void add(const Noise& noise);
    // Notes of a chord, all with the same shape.
    void chord(Note note, const std::vector<double>& frequencies, const Timbre& timbre);

    // Scales the loudest sample to `peak` (of full scale), fades the first
    // and last milliseconds so neither end clicks, and converts to 16 bits.
    std::vector<std::int16_t> finish(double peak = 0.5) const;

    double seconds() const { return static_cast<double>(samples_.size()) / sampleRate; }

private:
    std::vector<double> samples_;
    std::uint32_t noiseState_ = 0x9e3779b9u;
};

// Equal-tempered frequency of a MIDI note number (69 = A 440 Hz).
double midi(double note);

} // namespace qv::sound
