// SPDX-License-Identifier: MIT
#pragma once
// What the whole-program tests share besides the session: a folder of their
// own, a copy of the built product without saved state, and the game's
// stored-file encodings written out by hand.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::test {

// The little-endian int32 of a stored count.
std::string le32(std::uint32_t n);

// An ASCII text as the game stores strings: a count, then UTF-16LE units.
std::string stored(const std::string& ascii);

// The number after `"key": ` in `json` from `from` on; -1 when absent.
long long numberAfter(const std::string& json, const std::string& key, std::size_t from = 0);

// `text` in single quotes for the shell.
std::string shellQuoted(const std::string& text);

// An empty folder under the temporary folder for the running test: its name
// holds `stem`, the test's name and the process id, so suites of several
// builds running at once never share one.
std::filesystem::path freshTestFolder(const std::string& stem);

// Copies the built product folder to `folder`/product and takes every saved
// file out of its Resources (the configuration and each set's play state);
// returns that Resources folder.
std::filesystem::path copyProductWithoutSavedState(const std::filesystem::path& product,
                                                   const std::filesystem::path& folder);

// A set of 30 questions, two a rung, under `resources`/QuestionSets/`name`,
// whose correct answer starts with '*': for question i (0 or 1) of a rung it
// is answer 1 + (rung * rungStep + i) % 4. With `rungInAnswers` each answer
// names its rung too ("Answer B7"); `questionTail` follows each question's
// number.
void writeMarkedQuestionSet(const std::filesystem::path& resources, const std::string& name,
                            int rungStep, bool rungInAnswers, const std::string& questionTail);

// The game's configuration: the set to play and the players' names.
void writeConfigFile(const std::filesystem::path& resources, const std::string& setName,
                     const std::vector<std::string>& names);

} // namespace qv::test
