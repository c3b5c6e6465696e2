// SPDX-License-Identifier: MIT
#pragma once
// Game code asks a mapper about numbered actions, never about keys. Each
// action is bound to one input code; the mapper keeps a press/hold/release
// state per code, and with the other mappers in the slots of InputDevices it
// decides which of them sees a key.

#include "game/engine/InputCodes.h"

#include <array>

namespace qv {

class InputDevices;

class InputMapper {
public:
    static constexpr int actionCount = 84;
    // Responses of an input code.
    static constexpr int CurveRaw = 0;
    static constexpr int CurveLinear = 1;
    static constexpr int CurveSquared = 2;
    static constexpr int CurveCubed = 3;

    struct AxisVector {
        float x = 0.0f;
        float y = 0.0f;
    };

    InputMapper();
    // A mapper in a slot releases it first; a displaced one is forgotten.
    ~InputMapper();
    InputMapper(const InputMapper&) = delete;
    InputMapper& operator=(const InputMapper&) = delete;

    // Binds the code to the action; a code already bound (to any action) is
    // left alone. A shared binding lets mappers of later slots see the code.
    void bind(int code, int action, bool shared);
    // Unbinds the action's code and locks it, so a key still held does not
    // reach another mapper.
    void unbind(int action);
    // Puts this mapper in the slot. With lock, the codes it binds count as up
    // until released. A mapper already in the slot is displaced: its codes
    // are locked and it is no longer evaluated.
    void claimSlot(int slot, bool lock);
    // Locks the codes it binds and leaves every slot.
    void releaseSlot();

    ActionState state(int action) const;
    float value(int action) const;
    int actionCode(int action) const;
    bool isBound(int code) const;
    bool inSlot() const { return inSlot_; }
    // The latest vector of an axis pair (0: codes 5 and 6, 1: codes 7 and 8).
    AxisVector pairVector(int pair) const;

    void setDeadZone(int code, float deadZone);
    // Sets the response of every input code.
    void setCurve(int curve);
    void setIndependentAxes(int pair, bool independent);

private:
    friend class InputDevices;
    // One code of this frame, from the raw values of the devices.
    void evaluate(int code, InputDevices& devices);
    // The code was consumed by a mapper of an earlier slot.
    void consume(int code);
    void lockBoundCodes(InputDevices& devices) const;
    void updatePairBound();

    std::array<int, InputCode::Count> source_{};
    std::array<int, InputCode::Count> curve_{};
    std::array<float, InputCode::Count> deadZone_{};
    bool inSlot_ = false;
    std::array<bool, InputCode::Count> bound_{};
    std::array<bool, InputCode::Count> shared_{};
    std::array<int, actionCount> actionCode_{};
    std::array<ActionState, InputCode::Count> state_{};
    std::array<float, InputCode::Count> value_{};
    std::array<ActionState, InputCode::Count> previous_{};
    std::array<bool, 2> pairBound_{};
    std::array<bool, 2> independentAxes_{};
    std::array<AxisVector, 2> pairVector_{};
};

} // namespace qv
