// SPDX-License-Identifier: MIT
#include "game/engine/SoundSet.h"

namespace qv {

void SoundSet::load(SoundOutput* output, const std::filesystem::path& folder) {
    release();
    if (output == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < clips_.size(); ++i) {
        const std::string path =
            folder.empty() ? std::string(files[i]) : (folder / files[i]).string();
        clips_[i] = output->loadClip(path, 1);
    }
}

void SoundSet::release() {
    for (auto& clip : clips_) {
        clip.reset();
    }
}

void SoundSet::play(Slot slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (!soundEffectsOn_ || index >= clips_.size() || !clips_[index]) {
        return;
    }
    clips_[index]->playOnce();
}

} // namespace qv
