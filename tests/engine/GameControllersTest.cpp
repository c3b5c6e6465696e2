// SPDX-License-Identifier: MIT
// Game controllers as the game reads them, with SDL's own virtual
// controller standing in for a pad: plugged in and out through SDL's device
// events, its buttons and stick through the game-controller interface.

#include "game/engine/GameControllers.h"
#include "game/engine/InputCodes.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class Pads : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        controllers = std::make_unique<GameControllers>(GameControllers::Accept::VirtualOnly);
        ASSERT_TRUE(controllers->started()) << SDL_GetError();
        plugIn();
    }
    void TearDown() override {
        unplug();
        controllers.reset();
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }

    void plugIn() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1U << SDL_CONTROLLER_BUTTON_MAX) - 1U;
        desc.axis_mask = (1U << SDL_CONTROLLER_AXIS_MAX) - 1U;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        pad = SDL_JoystickOpen(index);
        ASSERT_NE(pad, nullptr);
        pump();
    }
    void unplug() {
        if (pad == nullptr) {
            return;
        }
        const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
        SDL_JoystickClose(pad);
        pad = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                SDL_JoystickDetachVirtual(i);
            }
        }
        pump();
    }
    // What the main loop does between two frames.
    void pump() {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            controllers->handleEvent(event);
        }
    }
    void button(SDL_GameControllerButton which, bool down) {
        SDL_JoystickSetVirtualButton(pad, which, down ? 1 : 0);
        pump();
    }
    void axis(SDL_GameControllerAxis which, int value) {
        SDL_JoystickSetVirtualAxis(pad, which, static_cast<Sint16>(value));
        pump();
    }
    float read(int code) {
        DeviceState state{};
        EXPECT_TRUE(controllers->read(state));
        return state[static_cast<std::size_t>(code - 1)];
    }

    std::unique_ptr<GameControllers> controllers;
    SDL_Joystick* pad = nullptr;
};

TEST_F(Pads, ButtonsReadAsTheirCodesAndATapLastsOnePoll) {
    EXPECT_EQ(controllers->count(), 1);
    const std::pair<SDL_GameControllerButton, int> buttons[] = {
        {SDL_CONTROLLER_BUTTON_A, InputCode::PadA},
        {SDL_CONTROLLER_BUTTON_B, InputCode::PadB},
        {SDL_CONTROLLER_BUTTON_Y, InputCode::PadY},
        {SDL_CONTROLLER_BUTTON_BACK, InputCode::PadBack},
        {SDL_CONTROLLER_BUTTON_START, InputCode::Return},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, InputCode::Up},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, InputCode::Right},
    };
    for (const auto& [which, code] : buttons) {
        button(which, true);
        EXPECT_EQ(read(code), 128.0f) << code;
        EXPECT_EQ(read(code), 128.0f) << "held " << code;
        button(which, false);
        EXPECT_EQ(read(code), 0.0f) << code;
    }
    // Down and up again between two polls: down for one poll.
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    pump();
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    pump();
    EXPECT_EQ(read(InputCode::PadA), 128.0f);
    EXPECT_EQ(read(InputCode::PadA), 0.0f);
}

TEST_F(Pads, TheLeftStickIsAnArrowThatLetsGoOnlyWellInside) {
    axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
    EXPECT_EQ(read(InputCode::Up), 128.0f);
    EXPECT_EQ(read(InputCode::Down), 0.0f);
    axis(SDL_CONTROLLER_AXIS_LEFTY, -13000);
    EXPECT_EQ(read(InputCode::Up), 128.0f);
    axis(SDL_CONTROLLER_AXIS_LEFTY, -9000);
    EXPECT_EQ(read(InputCode::Up), 0.0f);
    axis(SDL_CONTROLLER_AXIS_LEFTY, -13000);
    EXPECT_EQ(read(InputCode::Up), 0.0f);
    axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(read(InputCode::Right), 128.0f);
    axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    EXPECT_EQ(read(InputCode::Right), 0.0f);
    EXPECT_EQ(read(InputCode::Left), 128.0f);
    // The right stick moves nothing.
    axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    axis(SDL_CONTROLLER_AXIS_RIGHTY, 32767);
    EXPECT_EQ(read(InputCode::Down), 0.0f);
}

TEST_F(Pads, APadPulledOutLetsGoOfWhatItHeldAndOnePluggedInAgainPlays) {
    button(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(read(InputCode::PadB), 128.0f);
    unplug();
    EXPECT_EQ(controllers->count(), 0);
    EXPECT_EQ(read(InputCode::PadB), 0.0f);
    plugIn();
    EXPECT_EQ(controllers->count(), 1);
    button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(read(InputCode::PadA), 128.0f);
}

} // namespace
} // namespace qv::test
