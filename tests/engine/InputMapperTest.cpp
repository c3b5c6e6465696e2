// SPDX-License-Identifier: MIT
#include "game/engine/InputMapper.h"
#include "game/engine/InputDevices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace qv::test {
namespace {

// Raw values set by the test; a read can be made to fail.
struct FakeSource : InputSource {
    bool read(DeviceState& out) override {
        if (fail) {
            return false;
        }
        out = values;
        return true;
    }
    void set(int code, float value) { values[static_cast<std::size_t>(code - 1)] = value; }
    void press(int code) { set(code, 128.0f); }
    void release(int code) { set(code, 0.0f); }
    DeviceState values{};
    bool fail = false;
};

class Input : public ::testing::Test {
protected:
    Input() {
        auto owned = std::make_unique<FakeSource>();
        source = owned.get();
        devices = std::make_unique<InputDevices>(std::move(owned));
    }
    FakeSource* source;
    std::unique_ptr<InputDevices> devices;
};

using S = ActionState;

TEST_F(Input, PressHoldReleaseAndShortPresses) {
    InputMapper mapper;
    mapper.bind(InputCode::Return, 4, false);
    mapper.claimSlot(1, false);
    auto pollWith = [&](bool down) {
        down ? source->press(InputCode::Return) : source->release(InputCode::Return);
        devices->poll();
        return mapper.state(4);
    };
    EXPECT_EQ(pollWith(false), S::Idle);
    EXPECT_EQ(pollWith(true), S::Pressed);
    EXPECT_EQ(pollWith(true), S::Held);
    EXPECT_EQ(pollWith(true), S::Held);
    EXPECT_EQ(pollWith(false), S::Released);
    EXPECT_EQ(pollWith(false), S::Idle);
    // One poll down: Pressed, then Idle without Released.
    EXPECT_EQ(pollWith(true), S::Pressed);
    EXPECT_EQ(pollWith(false), S::Idle);
    // Down again right after Released.
    EXPECT_EQ(pollWith(true), S::Pressed);
    EXPECT_EQ(pollWith(true), S::Held);
    EXPECT_EQ(pollWith(false), S::Released);
    EXPECT_EQ(pollWith(true), S::Pressed);
    // Unbound actions read code 0: always Idle.
    EXPECT_EQ(mapper.state(5), S::Idle);
    EXPECT_EQ(mapper.state(-1), S::Idle);
    EXPECT_EQ(mapper.state(500), S::Idle);
}

TEST_F(Input, AnUnsharedBindingInSlotZeroIsNeverSeenByLaterSlots) {
    InputMapper game, screen;
    game.bind(InputCode::Escape, 0, false);
    game.bind(InputCode::MouseLeft, 7, true);
    game.claimSlot(0, false);
    screen.bind(InputCode::Escape, 2, false);
    screen.bind(InputCode::MouseLeft, 1, false);
    screen.claimSlot(1, false);

    source->press(InputCode::Escape);
    source->press(InputCode::MouseLeft);
    devices->poll();
    EXPECT_EQ(game.state(0), S::Pressed);
    EXPECT_EQ(screen.state(2), S::Idle);
    EXPECT_EQ(game.state(7), S::Pressed);
    EXPECT_EQ(screen.state(1), S::Pressed);
    for (int i = 0; i < 3; ++i) {
        devices->poll();
        EXPECT_EQ(game.state(0), S::Held);
        EXPECT_EQ(screen.state(2), S::Idle);
    }
    source->release(InputCode::Escape);
    devices->poll();
    EXPECT_EQ(game.state(0), S::Released);
    EXPECT_EQ(screen.state(2), S::Idle);
}

TEST_F(Input, AScreenClaimingItsSlotWithLockSeesAHeldButtonIdleUntilReleased) {
    InputMapper first, second;
    first.bind(InputCode::MouseLeft, 1, false);
    first.claimSlot(1, false);
    source->press(InputCode::MouseLeft);
    devices->poll();
    EXPECT_EQ(first.state(1), S::Pressed);

    second.bind(InputCode::MouseLeft, 1, false);
    second.claimSlot(1, true);
    EXPECT_EQ(devices->slot(1), &second);
    EXPECT_TRUE(devices->isDisplaced(first));
    for (int i = 0; i < 3; ++i) {
        devices->poll();
        EXPECT_EQ(second.state(1), S::Idle);
    }
    // The displaced mapper is no longer evaluated.
    EXPECT_EQ(first.state(1), S::Pressed);
    EXPECT_FALSE(devices->isDisplaced(first));

    source->release(InputCode::MouseLeft);
    devices->poll();
    EXPECT_EQ(second.state(1), S::Idle);
    source->press(InputCode::MouseLeft);
    devices->poll();
    EXPECT_EQ(second.state(1), S::Pressed);
}

TEST_F(Input, UnbindingLocksAKeyStillHeldAgainstOtherMappers) {
    InputMapper game, screen;
    game.bind(InputCode::letter('Y'), 1, false);
    game.claimSlot(0, false);
    screen.bind(InputCode::letter('Y'), 3, false);
    screen.claimSlot(1, false);
    source->press(InputCode::letter('Y'));
    devices->poll();
    EXPECT_EQ(game.state(1), S::Pressed);
    game.unbind(1);
    EXPECT_EQ(game.actionCode(1), 0);
    devices->poll();
    EXPECT_EQ(screen.state(3), S::Idle);
    source->release(InputCode::letter('Y'));
    devices->poll();
    source->press(InputCode::letter('Y'));
    devices->poll();
    EXPECT_EQ(screen.state(3), S::Pressed);
}

TEST_F(Input, BindingABoundCodeAgainIsIgnored) {
    InputMapper mapper;
    mapper.bind(InputCode::Return, 1, false);
    mapper.bind(InputCode::Return, 2, true);
    mapper.claimSlot(0, false);
    EXPECT_EQ(mapper.actionCode(2), 0);
    InputMapper later;
    later.bind(InputCode::Return, 1, false);
    later.claimSlot(1, false);
    source->press(InputCode::Return);
    devices->poll();
    // The first binding, not shared, still holds.
    EXPECT_EQ(later.state(1), S::Idle);
}

TEST_F(Input, ADestroyedMapperLeavesItsSlot) {
    {
        InputMapper temporary;
        temporary.bind(InputCode::Return, 1, false);
        temporary.claimSlot(3, false);
        EXPECT_TRUE(temporary.inSlot());
    }
    EXPECT_EQ(devices->slot(3), nullptr);
    source->press(InputCode::Return);
    devices->poll();
}

TEST_F(Input, ClaimingAnotherSlotLeavesTheOldOne) {
    InputMapper mapper;
    mapper.bind(InputCode::Return, 1, false);
    mapper.claimSlot(2, false);
    mapper.claimSlot(5, false);
    EXPECT_EQ(devices->slot(2), nullptr);
    EXPECT_EQ(devices->slot(5), &mapper);
    source->press(InputCode::Return);
    devices->poll();
    EXPECT_EQ(mapper.state(1), S::Pressed);
}

TEST_F(Input, DeadZonesAndCurves) {
    InputMapper mapper;
    mapper.bind(InputCode::Return, 1, false);
    mapper.claimSlot(0, false);
    source->press(InputCode::Return);
    devices->poll();
    EXPECT_FLOAT_EQ(mapper.value(1), 128.0f * 128.0f);
    mapper.setCurve(InputMapper::CurveCubed);
    devices->poll();
    EXPECT_FLOAT_EQ(mapper.value(1), 128.0f * 128.0f * 128.0f);
    mapper.setCurve(InputMapper::CurveLinear);
    mapper.setDeadZone(InputCode::Return, 0.5f);
    devices->poll();
    EXPECT_FLOAT_EQ(mapper.value(1), (128.0f - 0.5f) / 0.5f);
    mapper.setCurve(InputMapper::CurveRaw);
    devices->poll();
    EXPECT_FLOAT_EQ(mapper.value(1), 128.0f);
    // A dead zone at or above 1 must not divide by zero.
    mapper.setCurve(InputMapper::CurveLinear);
    mapper.setDeadZone(InputCode::Return, 1.0f);
    devices->poll();
    EXPECT_TRUE(std::isfinite(mapper.value(1)));
    mapper.setDeadZone(InputCode::Return, 200.0f);
    devices->poll();
    EXPECT_EQ(mapper.state(1), S::Released);
}

TEST_F(Input, AxisPairsReadAsOneVectorUnlessIndependent) {
    InputMapper mapper;
    mapper.bind(InputCode::MouseX, 5, false);
    mapper.bind(InputCode::MouseY, 6, false);
    mapper.claimSlot(0, false);
    source->set(InputCode::MouseX, 0.2f);
    source->set(InputCode::MouseY, -0.2f);
    devices->poll();
    // Each axis alone is inside the dead zone of 0.251, the pair is not.
    EXPECT_EQ(mapper.state(5), S::Pressed);
    EXPECT_EQ(mapper.state(6), S::Pressed);

    source->set(InputCode::MouseX, 3.0f);
    source->set(InputCode::MouseY, -4.0f);
    devices->poll();
    const float d = 0.251f;
    EXPECT_NEAR(mapper.value(5), 3.0f * (5.0f - d) / (5.0f * (1.0f - d)), 1e-4f);
    EXPECT_NEAR(mapper.value(6), -4.0f * (5.0f - d) / (5.0f * (1.0f - d)), 1e-4f);
    EXPECT_FLOAT_EQ(mapper.pairVector(0).x, 3.0f);
    EXPECT_FLOAT_EQ(mapper.pairVector(0).y, -4.0f);

    mapper.setIndependentAxes(0, true);
    devices->poll();
    EXPECT_NEAR(mapper.value(5), (3.0f - d) / (1.0f - d), 1e-4f);
    source->set(InputCode::MouseX, 0.2f);
    source->set(InputCode::MouseY, -0.2f);
    devices->poll();
    EXPECT_EQ(mapper.state(5), S::Released);

    // The shell's pointer: raw motion, dead zone 0.001.
    mapper.setCurve(InputMapper::CurveRaw);
    mapper.setDeadZone(InputCode::MouseX, 0.001f);
    source->set(InputCode::MouseX, -7.0f);
    devices->poll();
    EXPECT_EQ(mapper.state(5), S::Pressed);
    EXPECT_FLOAT_EQ(mapper.value(5), -7.0f);
}

TEST_F(Input, AFailedReadKeepsKeysButReportsNoMotion) {
    InputMapper mapper;
    mapper.bind(InputCode::MouseX, 5, false);
    mapper.bind(InputCode::Return, 1, false);
    mapper.setCurve(InputMapper::CurveRaw);
    mapper.setDeadZone(InputCode::MouseX, 0.001f);
    mapper.claimSlot(0, false);
    source->set(InputCode::MouseX, 5.0f);
    source->press(InputCode::Return);
    devices->poll();
    source->fail = true;
    devices->poll();
    EXPECT_EQ(mapper.state(1), S::Held);
    EXPECT_EQ(mapper.state(5), S::Idle);
    EXPECT_FLOAT_EQ(devices->raw(InputCode::MouseX), 0.0f);
}

} // namespace
} // namespace qv::test
