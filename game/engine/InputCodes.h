// SPDX-License-Identifier: MIT
#pragma once
// Input codes name one physical input each: keys and mouse buttons read 128
// while down, the mouse axes the motion since the last poll. Codes 5 and 6
// form the first axis pair (x, y), codes 7 and 8 the second (7 is always 0,
// 8 is the wheel). Codes past Backspace are the keys and game-controller
// buttons that play without a mouse; a controller's d-pad and stick read as
// the arrow keys and its Start as Return.

namespace qv {

enum class ActionState { Idle = 0, Pressed = 1, Held = 2, Released = 3 };

struct InputCode {
    static constexpr int None = 0;
    static constexpr int Up = 1;
    static constexpr int Down = 2;
    static constexpr int Left = 3;
    static constexpr int Right = 4;
    static constexpr int MouseX = 5;
    static constexpr int MouseY = 6;
    static constexpr int Unused7 = 7;
    static constexpr int MouseWheel = 8;
    static constexpr int MouseLeft = 9;
    static constexpr int MouseRight = 10;
    static constexpr int MouseMiddle = 11;
    static constexpr int Unused12 = 12;
    static constexpr int LeftShift = 13;
    static constexpr int LeftCtrl = 14;
    static constexpr int LeftAlt = 15;
    static constexpr int RightShift = 16;
    static constexpr int RightCtrl = 17;
    static constexpr int RightAlt = 18;
    static constexpr int Escape = 19;
    static constexpr int Return = 20;
    // Letters A to Z while neither Shift key is down (0 while one is).
    static constexpr int LetterA = 21;
    // Letters A to Z while a Shift key is down (0 while neither is).
    static constexpr int ShiftedLetterA = 47;
    // Digits 1 to 9 of the main keyboard; 0 comes after them.
    static constexpr int Digit1 = 73;
    static constexpr int Digit0 = 82;
    static constexpr int Backspace = 83;
    static constexpr int Tab = 84;
    static constexpr int Space = 85;
    static constexpr int PageUp = 86;
    static constexpr int PageDown = 87;
    // Game-controller buttons by their place on the pad (A the lower one).
    static constexpr int PadA = 88;
    static constexpr int PadB = 89;
    static constexpr int PadX = 90;
    static constexpr int PadY = 91;
    static constexpr int PadBack = 92;

    static constexpr int Last = 92;
    // Codes 0 to Last.
    static constexpr int Count = Last + 1;
    static constexpr int DownValue = 128;

    static constexpr int letter(char upper) { return LetterA + (upper - 'A'); }
    static constexpr int shiftedLetter(char upper) { return ShiftedLetterA + (upper - 'A'); }
};

} // namespace qv
