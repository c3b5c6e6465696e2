#pragma once
// Where the input devices get their raw values each poll: the real keyboard
// and mouse, or the command stream of automation mode.

#include <array>

namespace qv {

// Input codes 1 to 83; entry k - 1 holds the value of code k. Keys and mouse
// buttons read 128 while down and 0 while up; mouse axes the motion since the
// last poll.
inline constexpr int inputCodeCount = 83;
using DeviceState = std::array<float, inputCodeCount>;

class InputSource {
public:
    virtual ~InputSource() = default;
    // Fills the state for one poll. False when the devices could not be read
    // (the caller then keeps the previous values).
    virtual bool read(DeviceState& state) = 0;
};

} // namespace qv
