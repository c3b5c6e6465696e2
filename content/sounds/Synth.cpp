// SPDX-License-Identifier: MIT
#include "content/sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace qv::sound {

namespace {

constexpr double pi = 3.14159265358979323846;

// Level of an attack / decay / release envelope at time t into the sound.
double envelope(double t, double attack, double decay, double length, double release) {
    if (t < 0 || t > length + release) {
        return 0;
    }
    double level = attack > 0 && t < attack ? 0.5 - 0.5 * std::cos(pi * t / attack) : 1.0;
    if (decay > 0 && t > attack) {
        level *= std::exp(-(t - attack) / decay);
    }
    if (t > length) {
        level *= 0.5 + 0.5 * std::cos(pi * (t - length) / release);
    }
    return level;
}

} // namespace

Timbre bell() {
    return {{1, 1, 1}, {2.0, 0.45, 1.6}, {3.01, 0.25, 2.2}, {4.2, 0.16, 3}, {5.43, 0.08, 4}};
}
Timbre brass() {
    return {{1, 1}, {2, 0.7}, {3, 0.5}, {4, 0.32}, {5, 0.2}, {6, 0.12}, {7, 0.07}, {8, 0.04}};
}
Timbre marimba() {
    return {{1, 1, 1}, {3.93, 0.35, 3}, {9.2, 0.08, 6}};
}
Timbre pad() {
    return {{1, 1}, {2, 0.3}, {3, 0.14}, {4, 0.06}, {0.5, 0.25}};
}
Timbre drum() {
    return {{1, 1, 1}, {1.59, 0.45, 1.8}, {2.14, 0.35, 2.4}, {2.92, 0.2, 3}};
}
Timbre pureTone() {
    return {{1, 1}};
}

double midi(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

Track::Track(double seconds)
    : samples_(static_cast<std::size_t>(std::max(0.0, seconds) * sampleRate), 0.0) {}

void Track::add(const Note& note, const Timbre& timbre) {
    const auto first = static_cast<std::size_t>(std::max(0.0, note.start) * sampleRate);
    const double span = note.length + note.release;
    const auto count = static_cast<std::size_t>(span * sampleRate);
    for (const Partial& p : timbre) {
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            const double progress = t / span;
            double f = note.frequency * p.ratio * std::pow(note.glide, progress);
            f *= 1 + note.vibratoDepth * std::sin(2 * pi * note.vibratoRate * t);
            if (f >= sampleRate / 2.0) {
                break; // above what the file can hold: would fold back as noise
            }
            phase += 2 * pi * f / sampleRate;
            const double decay = note.decay > 0 ? note.decay / p.decayScale : 0;
            samples_[first + i] += note.level * p.level * std::sin(phase) *
                                   envelope(t, note.attack, decay, note.length, note.release);
        }
    }
}

void Track::add(const Noise& noise) {
    const auto first = static_cast<std::size_t>(std::max(0.0, noise.start) * sampleRate);
    const auto count = static_cast<std::size_t>((noise.length + noise.release) * sampleRate);
    const double smoothing = std::clamp(noise.brightness, 0.01, 1.0);
    double filtered = 0;
    std::uint32_t state = noiseState_;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = static_cast<double>(state >> 8) / 8388608.0 - 1.0;
        filtered += smoothing * (white - filtered);
        const double t = static_cast<double>(i) / sampleRate;
        double level = envelope(t, noise.attack, noise.decay, noise.length, noise.release);
        if (noise.tremoloRate > 0) {
            level *= 0.55 + 0.45 * std::sin(2 * pi * noise.tremoloRate * t);
        }
        samples_[first + i] += noise.level * filtered * level;
    }
    noiseState_ = state;
}

void Track::chord(Note note, const std::vector<double>& frequencies, const Timbre& timbre) {
    for (double f : frequencies) {
        note.frequency = f;
        add(note, timbre);
    }
}

std::vector<std::int16_t> Track::finish(double peak) const {
    double loudest = 0;
    for (double s : samples_) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double gain = loudest > 0 ? peak / loudest : 0;
    const std::size_t n = samples_.size();
    const std::size_t fadeIn = std::min<std::size_t>(n / 2, sampleRate * 3 / 1000);
    const std::size_t fadeOut = std::min<std::size_t>(n / 2, sampleRate * 20 / 1000);
    std::vector<std::int16_t> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        double v = samples_[i] * gain;
        if (i < fadeIn) {
            v *= 0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / static_cast<double>(fadeIn));
        }
        const std::size_t fromEnd = n - 1 - i;
        if (fromEnd < fadeOut) {
            v *= 0.5 -
                 0.5 * std::cos(pi * static_cast<double>(fromEnd) / static_cast<double>(fadeOut));
        }
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return out;
}

} // namespace qv::sound
