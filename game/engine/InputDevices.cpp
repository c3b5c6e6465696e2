// SPDX-License-Identifier: MIT
#include "game/engine/InputDevices.h"

#include "game/engine/InputMapper.h"

#include <algorithm>

namespace qv {

namespace {
InputDevices* current = nullptr;
}

InputDevices::InputDevices(std::unique_ptr<InputSource> source) : source_(std::move(source)) {
    current = this;
}

InputDevices::~InputDevices() {
    for (InputMapper*& mapper : slots_) {
        if (mapper != nullptr) {
            mapper->inSlot_ = false;
            mapper = nullptr;
        }
    }
    displaced_.clear();
    if (current == this) {
        current = nullptr;
    }
}

InputDevices* InputDevices::instance() {
    return current;
}

void InputDevices::poll() {
    DeviceState fresh{};
    presses_.clear();
    if (!source_) {
        state_ = fresh;
    } else if (source_->read(fresh)) {
        state_ = fresh;
        source_->takePresses(presses_);
    } else {
        // Motion repeated from the last good poll would drift the pointer for
        // as long as the devices cannot be read.
        state_[InputCode::MouseX - 1] = 0.0f;
        state_[InputCode::MouseY - 1] = 0.0f;
        state_[InputCode::MouseWheel - 1] = 0.0f;
    }
    for (const std::unique_ptr<InputSource>& extra : extraSources_) {
        DeviceState more{};
        if (extra->read(more)) {
            merge(more);
            extra->takePresses(presses_);
        }
    }
    state_[InputCode::Unused7 - 1] = 0.0f;
    state_[InputCode::Unused12 - 1] = 0.0f;
    evaluate();
}

void InputDevices::addSource(std::unique_ptr<InputSource> source) {
    if (source) {
        extraSources_.push_back(std::move(source));
    }
}

void InputDevices::merge(const DeviceState& more) {
    for (int code = 1; code <= InputCode::Last; ++code) {
        float& mine = state_[static_cast<std::size_t>(code - 1)];
        const float theirs = more[static_cast<std::size_t>(code - 1)];
        if (code >= InputCode::MouseX && code <= InputCode::MouseWheel) {
            mine += theirs;
        } else if (theirs > mine) {
            mine = theirs;
        }
    }
}

int InputDevices::firstPressed(const std::vector<int>& codes) const {
    const auto plain = [](int code) {
        return code >= InputCode::ShiftedLetterA && code < InputCode::ShiftedLetterA + 26
                   ? code - InputCode::ShiftedLetterA + InputCode::LetterA
                   : code;
    };
    for (const KeyPress& press : presses_) {
        if (press.code == 0 || press.repeat) {
            continue;
        }
        for (int code : codes) {
            if (code != 0 && plain(code) == plain(press.code)) {
                return code;
            }
        }
    }
    return 0;
}

float InputDevices::raw(int code) const {
    if (code < 1 || code > InputCode::Last) {
        return 0.0f;
    }
    return state_[static_cast<std::size_t>(code - 1)];
}

void InputDevices::lock(int code) {
    if (code >= 0 && code < InputCode::Count) {
        locked_[code] = true;
    }
}

void InputDevices::unlock(int code) {
    if (code >= 0 && code < InputCode::Count) {
        locked_[code] = false;
    }
}

bool InputDevices::isLocked(int code) const {
    return code >= 0 && code < InputCode::Count && locked_[code];
}

InputMapper* InputDevices::slot(int index) const {
    return index >= 0 && index < slotCount ? slots_[index] : nullptr;
}

bool InputDevices::isDisplaced(const InputMapper& mapper) const {
    return std::find(displaced_.begin(), displaced_.end(), &mapper) != displaced_.end();
}

bool InputDevices::takeOutOfSlots(const InputMapper& mapper) {
    bool held = false;
    for (InputMapper*& entry : slots_) {
        if (entry == &mapper) {
            entry = nullptr;
            held = true;
        }
    }
    return held;
}

void InputDevices::forgetDisplaced(const InputMapper& mapper) {
    std::erase(displaced_, &mapper);
}

void InputDevices::evaluate() {
    std::array<bool, InputCode::Count> consumed{};
    for (InputMapper* mapper : slots_) {
        if (mapper == nullptr) {
            continue;
        }
        for (int step = 1; step <= InputCode::Count; ++step) {
            const int code = step % InputCode::Count; // 1 to Last, then 0
            if (!consumed[code]) {
                mapper->evaluate(code, *this);
                if (mapper->bound_[code] && !mapper->shared_[code]) {
                    consumed[code] = true;
                }
            } else if (mapper->bound_[code]) {
                mapper->consume(code);
            }
        }
    }
    displaced_.clear();
}

} // namespace qv
