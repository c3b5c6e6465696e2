// SPDX-License-Identifier: MIT
#pragma once
// What each program says about itself on the command line: `--help` and
// `--version` print to standard output and end the program before it opens a
// window or needs a display.

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The product's version, as the build gives it ("0.1.0").
std::string_view productVersion();

struct ProgramOption {
    std::string_view name;    // as typed, with its value if any: "-width N"
    std::string_view meaning; // one line
};

struct ProgramInfo {
    std::string_view name;              // the program's name: "Showfloor"
    std::string_view usage;             // after the name: "[OPTION]..."
    std::string_view summary;           // one sentence
    std::vector<ProgramOption> options; // besides --help and --version
    std::string_view epilogue;          // a closing paragraph, or empty
};

// The help text's own words around a program's, so a program can give them in
// its reader's language.
struct HelpWords {
    std::string_view usage = "Usage: ";
    std::string_view options = "Options:";
    std::string_view helpMeaning = "print this help and exit";
    std::string_view versionMeaning = "print the version and exit";
};

// "<name> [usage]", the summary, every option and the epilogue.
std::string helpText(const ProgramInfo& info, const HelpWords& words = {});
// "<name> (Quizvale) <version>" and the licence line.
std::string versionText(std::string_view name);

// When `arguments` (the program name excluded) holds --help or --version,
// prints the answer to `out` and returns true; the program then ends with 0.
bool answerInfoOption(const ProgramInfo& info, std::span<const std::string_view> arguments,
                      std::ostream& out, const HelpWords& words = {});

} // namespace qv
