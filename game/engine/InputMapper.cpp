// SPDX-License-Identifier: MIT
#include "game/engine/InputMapper.h"

#include "game/engine/InputDevices.h"

#include <cmath>

namespace qv {

namespace {

bool validCode(int code) {
    return code >= 0 && code < InputCode::Count;
}

bool isAxis(int code) {
    return code >= InputCode::MouseX && code <= InputCode::MouseWheel;
}

int pairOf(int code) {
    return (code - InputCode::MouseX) / 2;
}

int partnerOf(int code) {
    return code % 2 == 1 ? code + 1 : code - 1;
}

} // namespace

InputMapper::InputMapper() {
    for (int code = 0; code < InputCode::Count; ++code) {
        source_[code] = code;
        curve_[code] = isAxis(code) ? CurveLinear : CurveSquared;
        deadZone_[code] = isAxis(code) ? 0.251f : 0.0f;
    }
}

InputMapper::~InputMapper() {
    if (InputDevices* devices = InputDevices::instance()) {
        if (inSlot_) {
            releaseSlot();
        }
        devices->takeOutOfSlots(*this);
        devices->forgetDisplaced(*this);
    }
}

void InputMapper::bind(int code, int action, bool shared) {
    if (!validCode(code) || action < 0 || action >= actionCount || bound_[code]) {
        return;
    }
    bound_[code] = true;
    actionCode_[action] = code;
    shared_[code] = shared;
    updatePairBound();
    state_[code] = ActionState::Idle;
    value_[code] = 0.0f;
    previous_[code] = ActionState::Idle;
}

void InputMapper::unbind(int action) {
    if (action < 0 || action >= actionCount) {
        return;
    }
    const int code = actionCode_[action];
    if (!bound_[code]) {
        return;
    }
    bound_[code] = false;
    shared_[code] = false;
    updatePairBound();
    state_[code] = ActionState::Idle;
    value_[code] = 0.0f;
    previous_[code] = ActionState::Idle;
    if (InputDevices* devices = InputDevices::instance()) {
        devices->lock(code);
    }
    actionCode_[action] = 0;
}

void InputMapper::claimSlot(int slot, bool lock) {
    InputDevices* devices = InputDevices::instance();
    if (devices == nullptr || slot < 0 || slot >= InputDevices::slotCount) {
        return;
    }
    InputMapper* holder = devices->slots_[slot];
    if (holder == this) {
        return;
    }
    if (lock) {
        lockBoundCodes(*devices);
    }
    if (holder != nullptr) {
        holder->lockBoundCodes(*devices);
        devices->takeOutOfSlots(*holder);
        devices->displaced_.push_back(holder);
    }
    // A mapper in two slots would be evaluated twice a frame and skip from
    // Pressed to Held at once.
    devices->takeOutOfSlots(*this);
    devices->forgetDisplaced(*this);
    devices->slots_[slot] = this;
    inSlot_ = true;
}

void InputMapper::releaseSlot() {
    InputDevices* devices = InputDevices::instance();
    if (devices == nullptr) {
        inSlot_ = false;
        return;
    }
    lockBoundCodes(*devices);
    devices->takeOutOfSlots(*this);
    devices->forgetDisplaced(*this);
    inSlot_ = false;
}

ActionState InputMapper::state(int action) const {
    if (action < 0 || action >= actionCount) {
        return ActionState::Idle;
    }
    return state_[actionCode_[action]];
}

float InputMapper::value(int action) const {
    if (action < 0 || action >= actionCount) {
        return 0.0f;
    }
    return value_[actionCode_[action]];
}

int InputMapper::actionCode(int action) const {
    return action >= 0 && action < actionCount ? actionCode_[action] : 0;
}

bool InputMapper::isBound(int code) const {
    return validCode(code) && bound_[code];
}

InputMapper::AxisVector InputMapper::pairVector(int pair) const {
    return pair == 0 || pair == 1 ? pairVector_[pair] : AxisVector{};
}

void InputMapper::setDeadZone(int code, float deadZone) {
    if (validCode(code)) {
        deadZone_[code] = deadZone;
    }
}

void InputMapper::setCurve(int curve) {
    curve_.fill(curve);
}

void InputMapper::setIndependentAxes(int pair, bool independent) {
    if (pair == 0 || pair == 1) {
        independentAxes_[pair] = independent;
    }
}

void InputMapper::lockBoundCodes(InputDevices& devices) const {
    for (int code = 0; code < InputCode::Count; ++code) {
        if (bound_[code]) {
            devices.lock(code);
        }
    }
}

void InputMapper::updatePairBound() {
    pairBound_[0] = bound_[InputCode::MouseX] && bound_[InputCode::MouseY];
    pairBound_[1] = bound_[InputCode::Unused7] && bound_[InputCode::MouseWheel];
}

void InputMapper::consume(int code) {
    state_[code] = state_[code] == ActionState::Held ? ActionState::Released : ActionState::Idle;
    value_[code] = 0.0f;
    // Seen again later, the code starts from Idle rather than from a Held
    // of long ago.
    previous_[code] = ActionState::Idle;
}

void InputMapper::evaluate(int code, InputDevices& devices) {
    if (!bound_[code]) {
        return;
    }
    const float raw = devices.raw(source_[code]);
    const float deadZone = deadZone_[code];
    bool active = false;
    float length = 0.0f;
    bool pairResponse = false;
    if (isAxis(code)) {
        const int pair = pairOf(code);
        float other = 0.0f;
        if (pairBound_[pair] && !independentAxes_[pair]) {
            other = devices.raw(source_[partnerOf(code)]);
            pairResponse = true;
        }
        length = std::hypot(raw, other);
        active = length > deadZone;
        const bool first = code % 2 == 1;
        pairVector_[pair] = first ? AxisVector{raw, other} : AxisVector{other, raw};
    } else {
        active = std::fabs(raw) > deadZone;
    }

    if (!active) {
        devices.unlock(code);
        state_[code] =
            previous_[code] == ActionState::Held ? ActionState::Released : ActionState::Idle;
        value_[code] = 0.0f;
        previous_[code] = ActionState::Idle;
        return;
    }
    if (devices.isLocked(code)) {
        state_[code] = ActionState::Idle;
        value_[code] = 0.0f;
        previous_[code] = ActionState::Idle;
        return;
    }
    state_[code] = previous_[code] == ActionState::Idle ? ActionState::Pressed : ActionState::Held;
    previous_[code] = state_[code];

    const int curve = curve_[code];
    if (curve == CurveRaw) {
        value_[code] = raw;
        return;
    }
    const float magnitude = std::fabs(raw);
    const float sign = raw < 0.0f ? -1.0f : 1.0f;
    // A dead zone of 1 or more leaves nothing to rescale into; the response
    // then starts at the dead zone's edge instead of dividing by zero.
    const float span = 1.0f - deadZone > 0.0f ? 1.0f - deadZone : 1.0f;
    float r = 0.0f;
    if (pairResponse) {
        r = length > 0.0f ? magnitude * (length - deadZone) / (length * span) : 0.0f;
    } else {
        r = (magnitude - deadZone) / span;
    }
    float response = r;
    if (curve == CurveSquared) {
        response = r * r;
    } else if (curve == CurveCubed) {
        response = r * r * r;
    }
    value_[code] = sign * response;
}

} // namespace qv
