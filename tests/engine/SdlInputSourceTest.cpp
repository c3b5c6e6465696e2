// SPDX-License-Identifier: MIT
#include "game/engine/SdlInputSource.h"
#include "game/engine/InputCodes.h"

#include <gtest/gtest.h>

#include <array>

namespace qv::test {
namespace {

float at(const DeviceState& state, int code) {
    return state[static_cast<std::size_t>(code - 1)];
}

DeviceState keysDown(std::initializer_list<SDL_Scancode> keys) {
    std::array<std::uint8_t, SDL_NUM_SCANCODES> down{};
    for (SDL_Scancode key : keys) {
        down[key] = 1;
    }
    DeviceState state{};
    SdlInputSource::fillKeys(down.data(), SDL_NUM_SCANCODES, state);
    return state;
}

TEST(SdlKeys, ShiftMovesLettersToTheirShiftedCodes) {
    DeviceState plain = keysDown({SDL_SCANCODE_A});
    EXPECT_EQ(at(plain, InputCode::letter('A')), 128.0f);
    EXPECT_EQ(at(plain, InputCode::shiftedLetter('A')), 0.0f);

    DeviceState shifted = keysDown({SDL_SCANCODE_A, SDL_SCANCODE_RSHIFT});
    EXPECT_EQ(at(shifted, InputCode::letter('A')), 0.0f);
    EXPECT_EQ(at(shifted, InputCode::shiftedLetter('A')), 128.0f);
    EXPECT_EQ(at(shifted, InputCode::RightShift), 128.0f);

    DeviceState z = keysDown({SDL_SCANCODE_Z, SDL_SCANCODE_LSHIFT});
    EXPECT_EQ(at(z, 72), 128.0f);
}

TEST(SdlKeys, ALetterKeepsTheCaseItWentDownWithUntilLetGo) {
    SdlInputSource source{nullptr};
    // Shift and T down, then Shift let go first: still the capital only.
    DeviceState state = keysDown({SDL_SCANCODE_T, SDL_SCANCODE_LSHIFT});
    source.keepLetterCase(state);
    EXPECT_EQ(at(state, InputCode::shiftedLetter('T')), 128.0f);
    state = keysDown({SDL_SCANCODE_T});
    source.keepLetterCase(state);
    EXPECT_EQ(at(state, InputCode::shiftedLetter('T')), 128.0f);
    EXPECT_EQ(at(state, InputCode::letter('T')), 0.0f);
    // Let go and pressed again without Shift: the small letter; Shift
    // coming down while it is held changes nothing either.
    state = keysDown({});
    source.keepLetterCase(state);
    state = keysDown({SDL_SCANCODE_T});
    source.keepLetterCase(state);
    EXPECT_EQ(at(state, InputCode::letter('T')), 128.0f);
    state = keysDown({SDL_SCANCODE_T, SDL_SCANCODE_RSHIFT});
    source.keepLetterCase(state);
    EXPECT_EQ(at(state, InputCode::letter('T')), 128.0f);
    EXPECT_EQ(at(state, InputCode::shiftedLetter('T')), 0.0f);
    // Other letters go by Shift as it is when they go down.
    state = keysDown({SDL_SCANCODE_T, SDL_SCANCODE_A, SDL_SCANCODE_RSHIFT});
    source.keepLetterCase(state);
    EXPECT_EQ(at(state, InputCode::shiftedLetter('A')), 128.0f);
}

TEST(SdlKeys, DigitsFollowTheirCodes) {
    DeviceState state = keysDown({SDL_SCANCODE_1, SDL_SCANCODE_9, SDL_SCANCODE_0});
    EXPECT_EQ(at(state, InputCode::Digit1), 128.0f);
    EXPECT_EQ(at(state, 81), 128.0f);
    EXPECT_EQ(at(state, InputCode::Digit0), 128.0f);
    EXPECT_EQ(at(state, 74), 0.0f);
}

TEST(SdlKeys, TheKeysOfPlayWithoutAMouse) {
    DeviceState state = keysDown({SDL_SCANCODE_TAB, SDL_SCANCODE_SPACE, SDL_SCANCODE_PAGEUP,
                                  SDL_SCANCODE_PAGEDOWN, SDL_SCANCODE_UP});
    for (int code : {InputCode::Tab, InputCode::Space, InputCode::PageUp, InputCode::PageDown,
                     InputCode::Up}) {
        EXPECT_EQ(at(state, code), 128.0f) << code;
    }
    EXPECT_EQ(at(state, InputCode::Return), 0.0f);
    // The keypad's Enter is Return.
    EXPECT_EQ(at(keysDown({SDL_SCANCODE_KP_ENTER}), InputCode::Return), 128.0f);
}

class SdlSource : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SDL_InitSubSystem(SDL_INIT_VIDEO); }
    static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    static SDL_Event button(Uint32 type, Uint8 which) {
        SDL_Event e{};
        e.type = type;
        e.button.button = which;
        return e;
    }
    static SDL_Event motion(int dx, int dy) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.xrel = dx;
        e.motion.yrel = dy;
        return e;
    }
    SdlInputSource source{nullptr};
    DeviceState state{};
};

TEST_F(SdlSource, AClickBetweenTwoPollsIsDownForOnePoll) {
    source.handleEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    source.handleEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    ASSERT_TRUE(source.read(state));
    EXPECT_EQ(at(state, InputCode::MouseLeft), 128.0f);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseLeft), 0.0f);

    source.handleEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    source.read(state);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseRight), 128.0f);
    source.handleEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseRight), 0.0f);
}

TEST_F(SdlSource, MotionIsSummedPerPoll) {
    source.handleEvent(motion(3, -1));
    source.handleEvent(motion(4, -2));
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseX), 7.0f);
    EXPECT_EQ(at(state, InputCode::MouseY), -3.0f);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseX), 0.0f);
}

TEST_F(SdlSource, APressAfterMotionCountsFromTheNextPollWhereThePointerHasArrived) {
    // A tap on a touch screen: the pointer jumps there and the button goes
    // down and up before the game polls.
    source.handleEvent(motion(40, 30));
    source.handleEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    source.handleEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseX), 40.0f);
    EXPECT_EQ(at(state, InputCode::MouseLeft), 0.0f);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseX), 0.0f);
    EXPECT_EQ(at(state, InputCode::MouseLeft), 128.0f);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseLeft), 0.0f);
    // Pressed first and moved after: the press is where the pointer was.
    source.handleEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    source.handleEvent(motion(5, 0));
    source.read(state);
    EXPECT_EQ(at(state, InputCode::MouseLeft), 128.0f);
    EXPECT_EQ(at(state, InputCode::MouseX), 5.0f);
}

TEST_F(SdlSource, AKeyTappedBetweenTwoPollsIsDownForOnePoll) {
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    source.handleEvent(down);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::Escape), 128.0f);
    source.read(state);
    EXPECT_EQ(at(state, InputCode::Escape), 0.0f);
}

} // namespace
} // namespace qv::test
