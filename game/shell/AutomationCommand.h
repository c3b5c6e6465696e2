// SPDX-License-Identifier: MIT
#pragma once
// One line of the automation command language.

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct AutomationCommand {
    enum class Kind {
        Seed,
        Wait,
        Frames,
        Move,
        Down,
        Up,
        Click,
        Key,
        Hold,
        Release,
        Pad,
        Text,
        Dump,
        Shot,
        Quit,
    };
    Kind kind = Kind::Quit;
    std::uint32_t seed = 0;
    double seconds = 0;
    long long frames = 0;
    float x = 0;
    float y = 0;
    // The key of key/hold/release, the file of shot, the button of pad (or
    // "attach", "detach"), the UTF-8 text of text.
    std::string name;
};

enum class ParseOutcome { Command, Blank, Error };

// Parses one line. Blank lines and lines starting with '#' are Blank. On
// Error, `error` says what is wrong (without the "error: " prefix).
ParseOutcome parseAutomationCommand(std::string_view line, AutomationCommand& command,
                                    std::string& error);

} // namespace qv
