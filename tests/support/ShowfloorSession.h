// SPDX-License-Identifier: MIT
#pragma once
// A running Showfloor in automation mode that a test talks to line by line:
// commands go to its standard input, each dump comes back as one line of
// JSON on its standard output, so the test can act on what the game shows.
// Headless: SDL's dummy video and audio drivers, no display variables, the
// test's folder as the XDG config home.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/MiniJson.h"

namespace qv::test {

class ShowfloorSession {
public:
    // Starts `program` with `arguments` in `folder`; its standard error goes
    // to `folder`/err.txt.
    ShowfloorSession(const std::filesystem::path& program, const std::filesystem::path& folder,
                     const std::vector<std::string>& arguments = {"-automation", "-windowed"});
    // Ends the input (which quits the game) and waits for it; a game that
    // does not end is killed.
    ~ShowfloorSession();
    ShowfloorSession(const ShowfloorSession&) = delete;
    ShowfloorSession& operator=(const ShowfloorSession&) = delete;

    bool running() const { return pid_ > 0; }
    // Sends one or more lines; a missing last line end is added.
    void send(const std::string& lines);
    // Sends "dump" and returns the line it prints; empty when the game has
    // gone or says nothing for a minute.
    std::string dump();
    // The same, read as JSON; nothing when there is no line or it is not
    // JSON.
    std::optional<Json> dumpJson();
    // Dumps every half second of game time until `done` holds for the dump
    // (kept in `last`), for at most `seconds`; false when it never does or
    // the game has gone.
    bool waitFor(const std::function<bool(const Json&)>& done, double seconds, Json& last);
    // Closes the input and returns the exit code; -1 when the game did not
    // exit by itself within a minute (it is killed then) or was killed.
    int finish();
    // What the program wrote on standard error so far.
    std::string errors() const;

private:
    bool readLine(std::string& line);

    pid_t pid_ = -1;
    int toGame_ = -1;
    int fromGame_ = -1;
    std::string pending_;
    std::filesystem::path errorFile_;
};

} // namespace qv::test
