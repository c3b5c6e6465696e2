// SPDX-License-Identifier: MIT
#pragma once
// The sound set's view of a framework sound manager, without the engine
// depending on the framework: any manager with
//   result createSound(std::unique_ptr<S>& out, path, flags, buffers)
// (result comparing equal to result::Ok on success) and sounds with
//   play(priority, flags, volume, frequency, pan)
// will do. Sounds are made with flags 0 (no volume, frequency or pan
// control) and played with priority 0, flags 0 (once), volume 0, frequency
// -1 and pan 0: every sound plays as recorded.
//
// Sounds made through it belong to the manager's device: destroy the
// SoundSet that holds them before the manager.

#include "game/engine/SoundOutput.h"

#include <memory>
#include <string>
#include <utility>

namespace qv {

template <typename Manager, typename Sound> class SoundManagerOutput final : public SoundOutput {
public:
    // The manager is not owned and must outlive this view.
    explicit SoundManagerOutput(Manager& manager) : manager_(manager) {}

    std::unique_ptr<SoundClip> loadClip(const std::string& wavePath, int buffers) override {
        std::unique_ptr<Sound> sound;
        const auto result = manager_.createSound(sound, wavePath, 0u, buffers);
        if (result != decltype(result)::Ok || !sound) {
            return nullptr;
        }
        return std::make_unique<Clip>(std::move(sound));
    }

private:
    class Clip final : public SoundClip {
    public:
        explicit Clip(std::unique_ptr<Sound> sound) : sound_(std::move(sound)) {}
        // Errors of play change nothing for the game.
        void playOnce() override { static_cast<void>(sound_->play(0, 0u, 0, -1, 0)); }

    private:
        std::unique_ptr<Sound> sound_;
    };

    Manager& manager_;
};

} // namespace qv
