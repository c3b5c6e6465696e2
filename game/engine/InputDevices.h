// SPDX-License-Identifier: MIT
#pragma once
// The keyboard, mouse and game controllers as input codes, read once per
// frame, and the 25 mapper slots that decide which mapper sees which code.
// Publishes itself in a process-wide pointer while it exists.

#include "game/engine/InputCodes.h"
#include "game/engine/InputSource.h"

#include <array>
#include <memory>
#include <vector>

namespace qv {

class InputMapper;

class InputDevices {
public:
    static constexpr int slotCount = 25;

    // Takes the source of raw values (the real devices or the command stream
    // of automation mode). A null source reads as nothing pressed.
    explicit InputDevices(std::unique_ptr<InputSource> source);
    // Mappers still in a slot are let go; they stay usable.
    ~InputDevices();
    InputDevices(const InputDevices&) = delete;
    InputDevices& operator=(const InputDevices&) = delete;

    static InputDevices* instance();

    // Once per frame, before anyone asks about actions: reads the source and
    // evaluates the mapper of every slot. A read that fails keeps the keys
    // and buttons as they were but reports no motion.
    void poll();

    void setSource(std::unique_ptr<InputSource> source) { source_ = std::move(source); }
    InputSource* source() const { return source_.get(); }
    // A further source read after the main one each poll (the game
    // controllers): a key or button is down when any source has it down,
    // and motion adds up. A further source that fails to read adds nothing.
    void addSource(std::unique_ptr<InputSource> source);

    // The raw value of an input code (0 for code 0 and for codes out of
    // range).
    float raw(int code) const;
    const DeviceState& state() const { return state_; }
    // The presses of this poll in the order they came (from every source:
    // the main one's first).
    const KeyPresses& presses() const { return presses_; }
    // Of the codes given, the one pressed first this poll; 0 for none. A
    // letter counts under either of its codes (with Shift or without).
    int firstPressed(const std::vector<int>& codes) const;

    // A locked code is held from an earlier owner and counts as up until it
    // has been seen released.
    void lock(int code);
    bool isLocked(int code) const;

    InputMapper* slot(int index) const;
    bool isDisplaced(const InputMapper& mapper) const;

private:
    friend class InputMapper;
    void unlock(int code);
    // Takes the mapper out of every slot; returns whether it held one.
    bool takeOutOfSlots(const InputMapper& mapper);
    void forgetDisplaced(const InputMapper& mapper);
    void evaluate();
    void merge(const DeviceState& more);

    std::unique_ptr<InputSource> source_;
    std::vector<std::unique_ptr<InputSource>> extraSources_;
    DeviceState state_{};
    KeyPresses presses_;
    std::array<InputMapper*, slotCount> slots_{};
    std::vector<InputMapper*> displaced_;
    std::array<bool, InputCode::Count> locked_{};
};

} // namespace qv
