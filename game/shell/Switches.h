// SPDX-License-Identifier: MIT
#pragma once
// The command-line switches of the game's framework. Each argument may start
// with "-" or "/" (or neither) and is matched against the switch names in
// table order, without regard to case, by its beginning; a value follows a
// colon ("-width:800"). Shells split "-width 800" into two arguments, so a
// switch that takes a number also takes it from the next argument when that
// argument is a number.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace qv {

struct Switches {
    int adapter = -1;
    bool windowed = false;
    bool fullScreen = false;
    bool forceHal = false;
    bool forceRef = false;
    bool forcePureHwvp = false;
    bool forceHwvp = false;
    bool forceSwvp = false;
    int width = 0;
    int height = 0;
    int startX = -1;
    int startY = -1;
    bool startXGiven = false;
    bool startYGiven = false;
    bool constantFrameTime = false;
    float constantFrameSeconds = 0.0333f;
    int quitAfterFrame = 0;
    bool noErrorMessageBoxes = false;
    bool automation = false;
    // "-phones[:[ADDRESS:]PORT]": the phone server on, on that address
    // (empty: every address) and port.
    bool phones = false;
    std::string phonesAddress;
    int phonesPort = 7373;
};

// Parses the arguments after the program name. Each argument that matches no
// switch is reported through `debugLine` as "Unrecognized flag: <argument>"
// and skipped; a switch that needs a value and has none is skipped silently.
Switches parseSwitches(std::span<const std::string_view> arguments,
                       const std::function<void(const std::string&)>& debugLine);

} // namespace qv
